#pragma once

namespace vortimbal {

// Each line written to standard output reaches its file or pipe at once, so
// messages survive a game that is killed.
void lineBufferOutput();

// SIGINT and SIGTERM only ask the game loop to stop; it ends the game at its
// next turn, where closing the window and exiting are safe.
void catchStopSignals();
bool stopRequested();

// Closes the window and ends the process with status 0, output flushed.
[[noreturn]] void endGame();

}  // namespace vortimbal
