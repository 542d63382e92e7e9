// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/replay_pace.h"

#include <GL/glut.h>

#include <algorithm>

#include "app/frame_clock.h"
#include "app/run.h"
#include "screens/notice.h"

namespace vortimbal {

namespace {

constexpr int fastest = 4;

ReplayPace& pace = shellRun.pace;

void changeSpeed(bool faster) {
    pace.speed = faster ? std::min(fastest, pace.speed * 2) : std::max(1, pace.speed / 2);
    pace.paused = false;
}

}  // namespace

bool replayKey(int key) {
    if (key != ' ' && key != 'p') {
        return false;
    }
    pace.paused = !pace.paused;
    return true;
}

bool replaySpecialKey(int key) {
    switch (key) {
        case GLUT_KEY_RIGHT:
        case GLUT_KEY_LEFT:
            changeSpeed(key == GLUT_KEY_RIGHT);
            return true;
        case GLUT_KEY_END:
            pace.toEnd = true;
            pace.paused = false;
            return true;
        default:
            return false;
    }
}

double replayStepMs() {
    return stepMs / pace.speed;
}

bool replayPaused() {
    return pace.paused;
}

bool replayJumping() {
    return pace.toEnd;
}

long replayJumpTarget() {
    return shellRun.replay.endStep;
}

std::string replayLabel() {
    return pace.paused      ? "replay - paused"
           : pace.speed > 1 ? "replay " + std::to_string(pace.speed) + "x"
                            : "replay";
}

}  // namespace vortimbal
