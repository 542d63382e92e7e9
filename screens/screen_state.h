// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

class PlayableWorld;

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

// Citizens lost lately, for the few seconds the HUD shows their cost; -1
// before the HUD has seen the world it shows now.
struct RecentLoss {
    const PlayableWorld* worldSeen = nullptr;
    int citizensSeen = -1;
    int citizens = 0;
    long shownUntil = -1;  // in steps taken
};

// Where the screens stand in a run: the page shown, the chosen item and
// Options row, the notice, the HUD's count of citizens lost. What a key does
// depends on them, so a replay watched in the window has its own and sets the
// player's aside whole.
struct ScreenState {
    int helpShown = MenuPage;
    int titleSelection = NewGameItem;
    int optionsRow = 0;
    int choosingKeyFor = -1;  // the action waiting for its key on the Options page, or -1
    std::string notice;
    long noticeShownUntil = -1;  // in steps taken
    RecentLoss loss;
};
extern ScreenState screenState;

}  // namespace vortimbal
