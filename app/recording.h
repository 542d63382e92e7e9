// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <ostream>
#include <string>

#include "saves/replay_file.h"

namespace vortimbal {

// Records every input that reaches the game, with the number of steps taken
// before it arrived: into the file --record names, and game by game into the
// kept replays. The game's own random sequence and its fixed step make
// everything else follow, so a replay ends where its game ended.

// The run starts at the difficulty chosen now: what every replay begins with.
void beginRun();
// Starts writing the run's inputs to `file` too; false after a message on
// `errors` when it cannot be created or written. A write that fails later is
// told on standard error and the HUD, and the recording stops without its end
// line.
bool startRecording(const std::string& file, std::ostream& errors);
// Notes an input as it goes into the game; at the reader's limits a recording
// ends, with a message.
void recordInput(InputKind kind, int code, int value);
// A New Game starts in this step: its replay opens in the replay folder once
// the step is over, unless the run is a replay, the player turned recording
// off or no folder is known. A game still open ends first, before this step's
// inputs.
void startGameRecording();
// After every step: a game started in it opens its replay with a snapshot of
// the run as it stands, so the replay holds only this game.
void openGameRecording();
// The game ended in this step: its replay ends after it. Returns the replay's
// name in its folder, or "" when none was written whole.
std::string endGameRecording();
// Removes the kept replays neither the table nor the latest games need.
void keepReplaysInBounds();
// While a replay is watched the run stands still: nothing is recorded.
void holdRecording(bool held);
// Ends every recording with the step the run stands at, and keeps the kept
// replays in bounds. False when a recording of this run could not be written
// whole.
bool endRecording();

// The line a recorded or replayed run ends with: level, score and census.
std::string summaryLine();
// What a game's replay claims at its end: the closing line and the difficulty.
Claim gameClaim();

}  // namespace vortimbal
