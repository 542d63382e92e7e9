// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// The mouse's sideways travel while it aims, gathered between two steps of
// the game. The pointer is held at the window's centre, so each move is
// measured from there.
class MouseAim {
  public:
    // The pointer moved to column x while held at column `centre`.
    void moved(int x, int centre) { travel += x - centre; }
    // Degrees to turn right for the travel since the last call (negative:
    // left), at a sensitivity of 1 to 10; the travel starts over.
    float takeTurn(int sensitivity);
    // The same turn, left for the next call.
    float pendingTurn(int sensitivity) const;
    void forget() { travel = 0; }

  private:
    long travel = 0;
};

}  // namespace vortimbal
