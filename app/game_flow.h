#pragma once

namespace vortimbal {

// Adds the next level's bad guys, refills the citizens and plays on.
void startNextLevel();
// Clears out a running or paused game and starts again at level 1.
void startNewGame();

}  // namespace vortimbal
