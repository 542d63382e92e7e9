#include "app/clean_exit.h"

#include <GL/glut.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/game_state.h"
#include "app/window_modes.h"
#include "audio/sound_player.h"
#include "scene/face_list.h"

namespace vortimbal {

namespace {

volatile std::sig_atomic_t stopSignalled = 0;

extern "C" void onStopSignal(int) {
    stopSignalled = 1;
}

}  // namespace

void lineBufferOutput() {
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
}

void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool stopRequested() {
    return stopSignalled != 0;
}

void endGame() {
    leaveGameMode();
    forgetFaceLists();
    soundPlayer.close();
    if (mainWindow != 0) {
        glutDestroyWindow(mainWindow);
    }
    std::cout.flush();
    std::fflush(stdout);
    std::exit(0);
}

}  // namespace vortimbal
