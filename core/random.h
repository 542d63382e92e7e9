// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdint>

namespace vortimbal {

// The game's one pseudo-random sequence: the same in every run, because the
// city's layout is drawn from it. Returns 0 to 32767.
int rand();
// Takes `count` numbers from the sequence and forgets them.
void skipRandom(int count);
// Starts the sequence over from `seed` and returns the state it left.
std::uint32_t seedRandom(std::uint32_t seed = 1);

}  // namespace vortimbal
