// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

// The latest games' replays and those the player keeps, the latest first, each
// with how its game ended. A row is chosen with the arrows and fire watches it;
// right keeps it for good, left lets it go with the others.

// Reads the folder anew: the page shows the games as they stand when it opens.
void openReplaysPage();
void drawReplaysScreen();
// Moves the chosen row by `step`, within the list.
void replaysCursor(int step);
// Marks the chosen replay kept, or no longer; false with errno set when the
// folder would not have it.
bool keepChosenReplay(bool keep);
// The chosen replay's file, or "" when there is none.
std::string chosenReplayFile();

}  // namespace vortimbal
