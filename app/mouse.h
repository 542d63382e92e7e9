// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// The mouse in play: moved sideways it turns the player, its left button
// fires. GLUT's callbacks:
void onMouseMotion(int x, int y);
void onMouseButton(int button, int state, int x, int y);
void onMouseEntry(int state);
// A key reached the window: the player is at it, so play may take the pointer
// back from wherever a pause or a jump left it.
void windowHasInput();
// Once a turn of the loop: holds the pointer hidden at the window's centre
// while the player aims with it, and lets it go on the title, a pause, an
// open menu, a hidden window or once it has left the window until the player
// is back.
void holdPointer();
// At the start of each step: the turn the mouse gathered since the last one,
// recorded so that a replay turns the same.
void applyMouseTurn();
// The turn the next step gives the player, for the view to show it now.
float mouseTurnAhead();

}  // namespace vortimbal
