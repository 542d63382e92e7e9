// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// X repeats a held key as a release and a press. freeglut drops such a pair
// only while the key is still down when it reads them; read late, after the
// key came up, they arrive together in one turn of the loop. A press right
// after a release of that key which had no press of its own in the same turn
// is such a repeat, if the key was down long enough for the system to repeat
// it: it is dropped, and so is the release that follows it. A quicker double
// tap is two presses.
class KeyRepeatFilter {
  public:
    // A turn of the main loop begins: GLUT hands over the events read since.
    void nextTurn();
    // Whether a press at `now` (ms) counts: false for a late repeat.
    bool press(unsigned char key, double now);
    // Whether a release counts: false for the one that follows a late repeat.
    bool release(unsigned char key);

  private:
    struct KeyEvent {
        unsigned char key;
        int turn;
        bool lone;
        double time;
    };
    bool isLateRepeat(unsigned char key, double now) const;

    int turn = 0;
    KeyEvent lastPress{0, -1, false, 0};
    KeyEvent lastRelease{0, -1, false, 0};
    unsigned char staleRepeatKey = 0;
};

}  // namespace vortimbal
