// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>
#include <vector>

namespace vortimbal {

// Menu ids of the title screen's items, shared with the pop-up menu.
enum TitleItem {
    QuitItem = 18,
    NewGameItem = 19,
    HelpItem = 20,
    ScoresItem = 21,
    ResumeItem = 22,
    OptionsItem = 23,
    ReplaysItem = 24
};

// The pages the title screen shows in place of its menu, as `helpShown` holds them.
enum TitlePage { MenuPage = 0, HelpPage = 1, ScoresPage = 2, OptionsPage = 3, ReplaysPage = 4 };
extern int helpShown;
// The highlighted item's id.
extern int titleSelection;

// One line of the controls, as the help page and --help show them.
struct HelpLine {
    std::string keys;
    std::string action;
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
