// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdint>

namespace vortimbal {

// Milliseconds of a clock no change of the date moves; wraps round.
std::uint32_t millisecondsNow();

void pauseFor(double milliseconds);

}  // namespace vortimbal
