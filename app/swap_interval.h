// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Asks the driver to wait for `frames` screen refreshes between buffer swaps
// (0: do not wait), through whichever GLX swap-control extension it offers.
// Without one, or without a current context, nothing happens.
void requestSwapInterval(int frames);

}  // namespace vortimbal
