// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "game/difficulty.h"

namespace vortimbal {

// What a replay holds, apart from the window and the game, so that its reader
// can be fuzzed alone.
enum class InputKind { Key, Special, Menu, Pause, MenuOpen, Action, Walk, Turn };

struct ReplayInput {
    long step;
    InputKind kind;
    int code;
    int value;
};

// Version 1 wrote keys, which all meant their default actions then; version 2
// writes the player's actions by name and only the fixed keys as keys, each
// recorded only when it did something.
extern const char* const replayHeaders[2];
extern const char* const inputKindNames[8];
// Far more inputs than hours of play bring; a larger file is not a replay.
constexpr std::size_t maxReplayInputs = 1000000;
constexpr std::size_t maxReplayBytes = 32 * maxReplayInputs;
// A day of 50 ms steps: no replay is longer, so no step count can overflow.
constexpr long maxReplaySteps = 20L * 60 * 60 * 24;

struct Replay {
    int version = 0;  // 1 or 2
    // Older replays were all played at the rules "normal" has.
    Difficulty difficulty = Difficulty::Normal;
    std::vector<ReplayInput> inputs;
    long endStep = -1;
    // The closing line its game ended with, as closingLine writes it; empty in
    // replays written before the end line carried it.
    std::string claim;
};

// The line a game ends with: its level, score and census.
std::string closingLine(int level, int score, int citizensLeft, int badGuysLeft);

// Strict: the header, the difficulty if named, inputs in step order each with its values in range,
// then "end" with the last step and perhaps the closing line, and a line end.
// False on anything else.
bool parseReplay(const std::string& text, Replay& replay);

}  // namespace vortimbal
