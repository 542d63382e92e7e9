// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/window_modes.h"

#include <GL/glut.h>

#include "app/shell_state.h"
#include "app/startup.h"
#include "app/watch.h"
#include "models/material.h"
#include "platform/window_system.h"
#include "scene/face_list.h"

namespace vortimbal {

namespace {

int windowedWidth = 640;
int windowedHeight = 480;

void enterGameMode() {
    // Game mode draws in a context of its own.
    forgetFaceLists();
    glutEnterGameMode();
    // A display that cannot switch modes leaves the game in its window.
    if (!glutGameModeGet(GLUT_GAME_MODE_ACTIVE)) {
        return;
    }
    inGameMode = 1;
    setWindowClass("vortimbal3");
    setUpWindow();
}

// A headless run has no window to change, and a replay watched in the
// player's window leaves it as the player has it; their menu choices still come.
bool windowTheRuns() {
    return !headless && !watching();
}

}  // namespace

void toggleFullScreen() {
    if (!windowTheRuns()) {
        return;
    }
    if (inFullScreen) {
        inFullScreen = 0;
        glutReshapeWindow(windowedWidth, windowedHeight);
        return;
    }
    if (windowWidth > 0 && windowHeight > 0) {
        windowedWidth = int(windowWidth);
        windowedHeight = int(windowHeight);
    }
    inFullScreen = 1;
    glutFullScreen();
}

void toggleGameMode() {
    if (!windowTheRuns()) {
        return;
    }
    if (inGameMode) {
        leaveGameMode();
    } else {
        enterGameMode();
    }
}

void leaveGameMode() {
    if (!inGameMode) {
        return;
    }
    forgetFaceLists();
    glutLeaveGameMode();
    inGameMode = 0;
    // Draw into the ordinary window again, not into the one game mode closed,
    // whose context set the material the cache remembers.
    if (mainWindow != 0) {
        glutSetWindow(mainWindow);
    }
    currentMaterialId = -1;
}

}  // namespace vortimbal
