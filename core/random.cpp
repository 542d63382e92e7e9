// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "core/random.h"

namespace vortimbal {

namespace {
std::uint32_t randomState = 1;
}

int rand() {
    randomState = randomState * 214013u + 2531011u;
    return int((randomState >> 16) & 0x7fff);
}

void skipRandom(int count) {
    for (int i = 0; i < count; ++i) {
        rand();
    }
}

std::uint32_t seedRandom(std::uint32_t seed) {
    const std::uint32_t left = randomState;
    randomState = seed;
    return left;
}

}  // namespace vortimbal
