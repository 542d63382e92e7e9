// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Display and collision switches, toggled from the pop-up menu.
extern int showBoundingCubes;
extern int showSurfaces;
extern int useClipping;
extern int useOctrees;

}  // namespace vortimbal
