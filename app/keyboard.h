// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "input/actions.h"

namespace vortimbal {

// GLUT's key callbacks. A key the system repeats while it is held counts as
// one press: a press of the key last pressed is ignored until any release.
void onKeyDown(unsigned char key, int x, int y);
void onKeyUp(unsigned char key, int x, int y);
void onSpecialDown(int key, int x, int y);
void onSpecialUp(int key, int x, int y);
// Marks a turn of the main loop, after GLUT has handed over the events read.
void noteLoopTurn();

// One key pressed (direction +1) or released (-1): the action the player bound
// to it, and what the fixed keys do.
void pressKey(Key key, int direction);
// Escape, or the pad's B or Start, stops a watched replay: its release is then
// the stop's, not a step back from the page.
void stopWatchingOnEscape();
// The same for a key read from a replay, which recorded the player's actions
// apart; `keysByDefault` for older replays, whose keys were all the default ones.
void replayKey(Key key, int direction, bool keysByDefault);
void doAction(Action action, int direction);

}  // namespace vortimbal
