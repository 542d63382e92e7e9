// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/stop_signals.h"

#include <windows.h>

#include <csignal>
#include <cstdio>

namespace vortimbal {

namespace {

void (*stopHandler)(int) = nullptr;
volatile LONG stops = 0;

// The first stop waits for the loop's next turn; a second one ends the
// process as Windows would have.
BOOL WINAPI onConsoleEvent(DWORD event) {
    if (InterlockedIncrement(&stops) > 1) {
        return FALSE;
    }
    stopHandler(event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? SIGINT : SIGTERM);
    return TRUE;
}

extern "C" void onSignal(int signal) {
    if (InterlockedIncrement(&stops) > 1) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    stopHandler(signal);
    std::signal(signal, onSignal);
}

}  // namespace

void callOnStopSignals(void (*onStop)(int)) {
    stopHandler = onStop;
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    std::signal(SIGTERM, onSignal);
}

void useStartingConsole() {
    // Output already led somewhere (a file, a pipe) stays there.
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out != nullptr && out != INVALID_HANDLE_VALUE) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
    // The program's strings are UTF-8 (its manifest): a path in any script reads right.
    SetConsoleOutputCP(CP_UTF8);
}

}  // namespace vortimbal
