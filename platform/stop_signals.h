// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Calls `onStop` with the signal's number on an interrupt or a request to end
// (Ctrl+C, SIGTERM, the console closing); a second one ends the process at once.
void callOnStopSignals(void (*onStop)(int));

// A program built without a console of its own writes to the one it was
// started from, so --help and --verify still print there.
void useStartingConsole();

}  // namespace vortimbal
