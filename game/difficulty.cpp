// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "game/difficulty.h"

namespace vortimbal {

namespace {

const char* const names[difficultyCount] = {"easy", "normal", "hard"};

const DifficultyRules rules[difficultyCount] = {
    {300, true, 200, false, true, 4, 2},
    {100, false, 500, true, false, 5, 5},
    {60, false, 500, true, false, 5, 5},
};

}  // namespace

const char* difficultyName(Difficulty difficulty) {
    return names[int(difficulty)];
}

bool difficultyFromName(const std::string& name, Difficulty& difficulty) {
    for (int i = 0; i < difficultyCount; ++i) {
        if (name == names[i]) {
            difficulty = Difficulty(i);
            return true;
        }
    }
    return false;
}

const DifficultyRules& rulesOf(Difficulty difficulty) {
    return rules[int(difficulty)];
}

}  // namespace vortimbal
