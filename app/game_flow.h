// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Adds the next level's bad guys, refills the citizens and plays on.
void startNextLevel();
// Clears out a running or paused game and starts again at level 1.
void startNewGame();
// Leaves play for the title, with "Resume" chosen.
void pauseGame();
// Back to the game waiting on the title; nothing when there is none.
void resumeGame();
// After Game Over: back to the title, where the finished game cannot be resumed.
void leaveFinishedGame();

}  // namespace vortimbal
