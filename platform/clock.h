// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdint>
#include <ctime>

namespace vortimbal {

// Milliseconds of a clock no change of the date moves; wraps round.
std::uint32_t millisecondsNow();

void pauseFor(double milliseconds);

// The local time of `when`; false when it cannot be told.
bool localTime(std::time_t when, std::tm& local);

}  // namespace vortimbal
