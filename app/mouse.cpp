// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/mouse.h"

#include <GL/glut.h>

#include <cmath>

#include "app/frame_clock.h"
#include "app/keyboard.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/shell_state.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "input/mouse_aim.h"
#include "saves/settings.h"

namespace vortimbal {

namespace {

MouseAim aim;
bool held = false;
// Not until the player is at the window (the pointer came in, or a key or a
// button reached it): a game must not take the pointer from elsewhere.
bool pointerOurs = false;

// Whole thousandths of a degree, as the replay keeps them.
long thousandths(float degrees) {
    return std::lround(double(degrees) * 1000);
}

int centreX() {
    return int(windowWidth) / 2;
}
int centreY() {
    return int(windowHeight) / 2;
}

bool aiming() {
    return settings.mouseAim && gameState == Playing && !menuOpen && windowSeen && pointerOurs &&
           !replaying() && windowWidth > 0 && windowHeight > 0;
}

}  // namespace

void onMouseMotion(int x, int y) {
    // Only a pointer over the window is reported.
    pointerOurs = true;
    // The move back to the centre is the game's own.
    if (!held || (x == centreX() && y == centreY())) {
        return;
    }
    aim.moved(x, centreX());
    glutWarpPointer(centreX(), centreY());
}

void onMouseButton(int button, int state, int, int) {
    pointerOurs = true;
    if (button != GLUT_LEFT_BUTTON || replaying() ||
        (gameState != Playing && gameState != LevelCleared)) {
        return;
    }
    const int direction = state == GLUT_DOWN ? 1 : -1;
    recordInput(InputKind::Action, int(Action::Fire), direction);
    doAction(Action::Fire, direction);
}

void onMouseEntry(int state) {
    pointerOurs = state == GLUT_ENTERED;
}

void windowHasInput() {
    pointerOurs = true;
}

void holdPointer() {
    const bool hold = aiming();
    if (hold == held) {
        return;
    }
    held = hold;
    glutSetCursor(hold ? GLUT_CURSOR_NONE : GLUT_CURSOR_INHERIT);
    if (hold) {
        glutWarpPointer(centreX(), centreY());
    }
    aim.forget();
}

void applyMouseTurn() {
    const long turn = thousandths(aim.takeTurn(settings.mouseSensitivity));
    if (turn != 0) {
        recordInput(InputKind::Turn, int(turn), 0);
        gameWorld->turnPlayer(float(turn) / 1000);
    }
}

float mouseTurnAhead() {
    return float(thousandths(aim.pendingTurn(settings.mouseSensitivity))) / 1000;
}

}  // namespace vortimbal
