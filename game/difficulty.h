// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

enum class Difficulty { Easy, Normal, Hard };
constexpr int difficultyCount = 3;

// "easy", "normal" or "hard": in the settings, on screen and in replays.
const char* difficultyName(Difficulty difficulty);
// False, and `difficulty` untouched, for any other name.
bool difficultyFromName(const std::string& name, Difficulty& difficulty);

// What a difficulty changes of the rules. Normal is the game as it always
// was; the others change only these.
struct DifficultyRules {
    // A hunting bad guy fires on one step in this many, on average.
    int shotOdds;
    // A bad guy still falling from the sky holds its fire.
    bool holdFireWhileFalling;
    // A bad guy picks another citizen to hunt on one step in this many, and
    // may fire at once.
    int newTargetOdds;
    bool firesOnNewTarget;
    // A bad guy's shot ends at the first house in its way.
    bool housesStopShots;
    // Bad guys at the start of level n: perLevel * n + extra.
    int badGuysPerLevel;
    int extraBadGuys;
};
const DifficultyRules& rulesOf(Difficulty difficulty);

}  // namespace vortimbal
