// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <ostream>
#include <string>

#include "app/replay_file.h"

namespace vortimbal {

// Records and replays every input that reaches the game, with the number of
// steps taken before it arrived. The game's own random sequence and its fixed
// step make everything else follow, so a replay ends where its game ended.

// Starts writing inputs to `file`; false after a message on `errors` when it
// cannot be created or written. A write that fails later is told on standard
// error and the HUD, and the recording stops without its end line.
bool startRecording(const std::string& file, std::ostream& errors);
// Reads a whole replay first; false after a message on `errors` when the file
// is missing, from another version, cut short or garbage.
bool startReplay(const std::string& file, std::ostream& errors);
// True while a replay runs: live input is ignored then.
bool replaying();
// Set by --verify: at its end the replay's closing line is compared with the
// one it claims, and a replay that does not end as it claims fails the run.
extern bool verifyingReplay;
// Notes an input as it goes into the game, when recording; at the reader's
// limits the recording ends, with a message.
void recordInput(InputKind kind, int code, int value);
// Feeds the inputs replayed before step `step` runs; ends the run at the
// replay's last step.
void feedReplay(long step);
// Writes the step the recording ends at and closes it, when recording. False
// when a recording of this run could not be written whole.
bool endRecording();
// The line a recorded or replayed run ends with: level, score and census.
std::string summaryLine();

}  // namespace vortimbal
