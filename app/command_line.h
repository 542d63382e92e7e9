#pragma once

#include <ostream>

namespace vortimbal {

constexpr int defaultMaxFramesPerSecond = 60;

// Takes the game's own options out of argv, so GLUT sees only the rest:
// "--max-fps N" (or "--max-fps=N") caps the frame rate, 0 for no cap.
// Returns false after a message on `errors` when an option's value is unusable.
bool takeOptions(int& argc, char** argv, std::ostream& errors);

}  // namespace vortimbal
