// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

// The ten best games, the one just finished marked. A row is chosen with the
// arrows and fire watches its replay; a row whose replay does not bear it out
// is marked.
// Opens the page on the game just finished, if it made the table.
void openScoresPage();
void drawScoresScreen();
// Moves the chosen row by `step`, within the table.
void scoresCursor(int step);
// The chosen game's replay file, or "" when none is kept for it.
std::string chosenScoreReplay();

}  // namespace vortimbal
