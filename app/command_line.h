#pragma once

#include <ostream>

namespace vortimbal {

constexpr int defaultMaxFramesPerSecond = 60;
// What takeOptions returns when the game should go on and open its window.
constexpr int keepRunning = -1;

// Takes the game's own options, the ones with two dashes, out of argv, so
// GLUT sees only the rest: "--max-fps N" (or "--max-fps=N") caps the frame
// rate, 0 for no cap; "--record FILE" and "--replay FILE" start recording or
// replaying, "--fast" and "--no-draw" speed a replay up; "--help" and
// "--version" print to `out`. Returns keepRunning, or the status to exit
// with: 0 after --help or --version, 1 for a replay that cannot be used, 2
// after a message on `errors` for an unknown option or an unusable value.
int takeOptions(int& argc, char** argv, std::ostream& out, std::ostream& errors);

}  // namespace vortimbal
