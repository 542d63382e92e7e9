// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/clean_exit.h"

#include <GL/freeglut.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/frame_clock.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/shell_state.h"
#include "app/watch.h"
#include "app/window_modes.h"
#include "audio/sound_player.h"
#include "game/game_state.h"
#include "input/gamepad.h"
#include "platform/stop_signals.h"
#include "saves/replay_checks.h"
#include "scene/face_list.h"

namespace vortimbal {

namespace {

volatile std::sig_atomic_t stopSignalled = 0;
bool ending = false;

void onStopSignal(int signal) {
    stopSignalled = signal;
}

}  // namespace

void lineBufferOutput() {
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
}

void catchStopSignals() {
    callOnStopSignals(onStopSignal);
}

int stopRequested() {
    return stopSignalled;
}

void endGame(int status) {
    ending = true;
    // What is told and recorded at the end is the player's run, not a replay watched.
    stopWatching();
    leaveGameMode();
    forgetFaceLists();
    soundPlayer.close();
    gamepads.stop();
    replayChecks.stop();
    if (mainWindow != 0) {
        glutDestroyWindow(mainWindow);
    }
    // A recording that failed fails the run, so a script learns of it.
    if (!endRecording() && status == 0) {
        status = 1;
    }
    // A checked replay always tells what it played to, to match its claim; a
    // run left on the title before any game has none to tell of.
    if (verifyingReplay || (stepsTaken > 0 && level > 0)) {
        std::cout << summaryLine() << '\n';
    } else if (stepsTaken > 0) {
        std::cout << "no game played\n";
    }
    std::cout.flush();
    std::fflush(stdout);
    std::exit(status);
}

void endOnWindowClose() {
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutCloseFunc(onWindowClose);
    // GLUT destroys its windows from its own exit handler, registered when it
    // was initialised; handlers run last first, so this one marks the process
    // as ending before that. Without it, a test binary's failing status became
    // the 0 of a second way out.
    static bool marked = false;
    if (!marked) {
        std::atexit([] { ending = true; });
        marked = true;
    }
}

void onWindowClose() {
    // Closing its windows is part of the way out: nothing more to do then.
    if (ending) {
        return;
    }
    // GLUT destroys the window itself once this returns.
    if (glutGetWindow() == mainWindow) {
        mainWindow = 0;
    }
    endGame();
}

}  // namespace vortimbal
