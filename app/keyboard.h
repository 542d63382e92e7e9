#pragma once

namespace vortimbal {

// GLUT's key callbacks. A key the system repeats while it is held counts as
// one press: a press of the key last pressed is ignored until any release.
void onKeyDown(unsigned char key, int x, int y);
void onKeyUp(unsigned char key, int x, int y);
void onSpecialDown(int key, int x, int y);
void onSpecialUp(int key, int x, int y);
// Marks a turn of the main loop, after GLUT has handed over the events read.
void noteLoopTurn();

// One key press (direction +1) or release (-1).
void handleKey(unsigned char key, int x, int y, int direction);
void handleSpecialKey(int key, bool pressed);

}  // namespace vortimbal
