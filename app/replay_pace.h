// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

// How the replay in the window goes: paused, at one, two or four times its
// speed, or on to its end unseen. Only the watcher's pace: the steps, and so
// the game, are the same at any of them. Kept with the run that plays the
// replay (`ShellRun`), so each watch starts at its own speed.
struct ReplayPace {
    bool paused = false;
    int speed = 1;
    bool toEnd = false;
};

// The watcher's controls, by keys and pad: true when the key or button was one.
bool replayKey(int key);
bool replaySpecialKey(int key);
// Milliseconds between two steps of a replay at its pace.
double replayStepMs();
bool replayPaused();
// Whether the replay is to go on unseen to its end, and the step that is.
bool replayJumping();
long replayJumpTarget();
// What the HUD says of the replay: "replay", with its pace when not 1x.
std::string replayLabel();

}  // namespace vortimbal
