// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Each line written to standard output reaches its file or pipe at once, so
// messages survive a game that is killed.
void lineBufferOutput();

// SIGINT and SIGTERM only ask the game loop to stop; it ends the game at its
// next turn, where closing the window and exiting are safe. stopRequested
// gives the signal's number, or 0.
void catchStopSignals();
int stopRequested();

// The one way out, for Quit, the end of a replay, a stop signal and a closed
// window: closes the sound, the lists and the window, finishes a recording,
// prints the closing line and ends the process with `status`, output flushed.
// A run that ends because something failed passes its failure on.
[[noreturn]] void endGame(int status = 0);
// A window the player closes ends the game through endGame, not through GLUT's
// own exit. Call it once GLUT is initialised: GLUT closes its windows again as
// the process ends, and that must leave the process's own status alone.
void endOnWindowClose();
// GLUT's word that the player closed the window.
void onWindowClose();

}  // namespace vortimbal
