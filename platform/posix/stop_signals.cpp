// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/stop_signals.h"

#include <csignal>

namespace vortimbal {

namespace {

void (*stopHandler)(int) = nullptr;

extern "C" void onStopSignal(int signal) {
    stopHandler(signal);
    // The first signal waits for the loop's next turn; if the game hangs before
    // it, a second one ends it at once.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigaction(SIGINT, &fallback, nullptr);
    sigaction(SIGTERM, &fallback, nullptr);
}

}  // namespace

void callOnStopSignals(void (*onStop)(int)) {
    stopHandler = onStop;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void useStartingConsole() {}

}  // namespace vortimbal
