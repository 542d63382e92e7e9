// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/run_snapshot.h"

#include "app/shell_state.h"
#include "core/snapshot.h"
#include "game/game_snapshot.h"
#include "input/actions.h"
#include "screens/options_page.h"
#include "screens/screen_state.h"

namespace vortimbal {

std::string snapshotOfRun(const PlayableWorld& city) {
    SnapshotWriter out;
    out.line("screens") << screenState.helpShown << screenState.titleSelection
                        << screenState.optionsRow << screenState.choosingKeyFor << menuOpen;
    saveGame(out, city);
    return out.text();
}

bool restoreRun(const std::string& text, PlayableWorld& city) {
    SnapshotReader in(text);
    ScreenState screens;
    bool menu = false;
    in.line("screens").in(screens.helpShown, MenuPage, ReplaysPage);
    in.in(screens.titleSelection, QuitItem, ReplaysItem);
    in.in(screens.optionsRow, 0, optionsRowCount() - 1);
    in.in(screens.choosingKeyFor, -1, actionCount - 1) >> menu;
    if (!in.ok() || !restoreGame(in, city)) {
        return false;
    }
    screenState = screens;
    menuOpen = menu;
    return true;
}

}  // namespace vortimbal
