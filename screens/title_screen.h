// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>
#include <vector>

#include "screens/screen_state.h"

namespace vortimbal {

// The page and item of the run now played, by name.
extern int& helpShown;
// The highlighted item's id.
extern int& titleSelection;

// One line of the controls, as the help page and --help show them.
struct HelpLine {
    std::string keys;
    std::string action;
    bool isKey = true;  // false for a line about the screen, not a key
};
// What the game asks of the player, in one line.
extern const char* const gameGoal;
// How the score counts, in one line.
extern const char* const scoringRule;
// The controls with the keys the player chose.
std::vector<HelpLine> helpLines();

void drawTitleScreen();
// The controls, shown in place of the title's menu.
void drawHelpScreen();
// A page's title with its shadow.
void drawPageTitle(const char* title);
// The highlighted item's id: what fire chooses.
int selectedTitleItem();
void titleCursorUp();
void titleCursorDown();

}  // namespace vortimbal
