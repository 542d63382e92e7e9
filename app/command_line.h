// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <ostream>

namespace vortimbal {

// What takeOptions returns when the game should go on and open its window.
constexpr int keepRunning = -1;

// Takes the game's own options, the ones with two dashes, out of argv, so
// GLUT sees only the rest: "--max-fps N" (or "--max-fps=N") caps the frame
// rate, 0 for no cap; "--fullscreen" and "--windowed" choose how the window
// starts; "--record FILE" and "--replay FILE" start recording or
// replaying, "--fast" and "--no-draw" speed a replay up (both together, or
// "--verify FILE", run it headless and check its claim; several files after
// --verify are checked one by one, each in a process of its own); "--help" and
// "--version" print to `out`; GLUT's own options (-display X and the like)
// are left in argv. Returns keepRunning, or the status to exit with: 0 after
// --help or --version, 1 for a replay or recording that cannot be used, 2
// after a message on `errors` for an unknown option or word, an unusable value
// or both --fullscreen and --windowed, or a --verify file that is no replay.
// The settings give the defaults; the options change only this run.
int takeOptions(int& argc, char** argv, std::ostream& out, std::ostream& errors);

// Full screen from the first frame: the setting, or --fullscreen / --windowed.
extern bool startFullScreen;

}  // namespace vortimbal
