// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstddef>
#include <cstdint>

#include "app/replay_pace.h"
#include "control/camera.h"
#include "core/portable_math.h"
#include "game/game_state.h"
#include "saves/replay_file.h"
#include "saves/settings.h"
#include "scene/switches.h"
#include "screens/screen_state.h"

namespace vortimbal {

// What the shell keeps of a run: the replay it plays, how far it got and at
// what pace, the pop-up menu held open, --mute until the sound key overrides it.
struct ShellRun {
    Replay replay;
    std::size_t nextInput = 0;
    ReplayPace pace;
    bool menuOpen = false;
    bool mutedForRun = false;
};
extern ShellRun shellRun;

// Everything a run changes as it plays, each room's part whole. The player's
// run and a replay watched in the window each have one; the one played lives
// in the rooms' globals, and watching swaps the two, so nothing of either
// run can be left behind in the other.
struct Run {
    std::uint32_t random = 1;
    Maths maths = Maths::Portable;
    Switches switches;
    GameStanding standing;
    Camera camera;
    ScreenState screens;
    Settings settings;
    ShellRun shell;

    // This run is played from now on; the one played until now is kept here.
    void swapWithPlayed();
};

}  // namespace vortimbal
