// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/game_snapshot.h"

#include <cstdint>

#include "app/shell_state.h"
#include "control/camera.h"
#include "core/random.h"
#include "core/snapshot.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "input/actions.h"
#include "scene/switches.h"
#include "screens/options_page.h"
#include "screens/screen_state.h"

namespace vortimbal {

namespace {

// Far more levels than anyone clears; the bad guys they bring stay countable.
constexpr int maxLevel = 1000000;

std::uint32_t randomNow() {
    const std::uint32_t now = seedRandom();
    seedRandom(now);
    return now;
}

}  // namespace

std::string snapshotOfRun(const PlayableWorld& city) {
    SnapshotWriter out;
    out.line("random") << long(std::int32_t(randomNow()));
    out.line("standing") << gameState << level << gameUnderway << int(chosenDifficulty)
                         << difficultyHeld;
    out.line("switches") << showBoundingCubes << showSurfaces << useClipping << useOctrees;
    out.line("screens") << screenState.helpShown << screenState.titleSelection
                        << screenState.optionsRow << screenState.choosingKeyFor << menuOpen;
    city.save(out);
    camera.save(out);
    return out.text();
}

// Read whole before anything but the city changes.
bool restoreRun(const std::string& text, PlayableWorld& city) {
    SnapshotReader in(text);
    long random = 0;
    GameStanding stand = standing;
    Switches flags;
    ScreenState screens;
    bool menu = false;
    int chosen = 0;
    in.line("random").in(random, INT32_MIN, INT32_MAX);
    in.line("standing").in(stand.gameState, Title, GameOver).in(stand.level, 0, maxLevel);
    in >> stand.gameUnderway;
    in.in(chosen, 0, difficultyCount - 1) >> stand.difficultyHeld;
    in.line("switches");
    for (int* flag : {&flags.showBoundingCubes, &flags.showSurfaces, &flags.useClipping,
                      &flags.useOctrees}) {
        in.in(*flag, 0, 1);
    }
    in.line("screens").in(screens.helpShown, MenuPage, ReplaysPage);
    in.in(screens.titleSelection, QuitItem, ReplaysItem);
    in.in(screens.optionsRow, 0, optionsRowCount() - 1).in(screens.choosingKeyFor, -1, actionCount - 1);
    in >> menu;
    if (!in.ok() || !city.restore(in)) {
        return false;
    }
    Camera view = camera;
    view.restore(in);
    if (!in.finished()) {
        return false;
    }
    camera = view;
    stand.chosenDifficulty = Difficulty(chosen);
    standing = stand;
    switches = flags;
    screenState = screens;
    menuOpen = menu;
    seedRandom(std::uint32_t(std::int32_t(random)));
    return true;
}

}  // namespace vortimbal
