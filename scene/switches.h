// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Display and collision switches, toggled from the pop-up menu. Each run has
// its own: a replay watched in the window sets the player's aside whole.
struct Switches {
    int showBoundingCubes = 0;
    int showSurfaces = 1;
    int useClipping = 1;
    int useOctrees = 1;
};
extern Switches switches;

// The switches of the run now played, by name.
extern int& showBoundingCubes;
extern int& showSurfaces;
extern int& useClipping;
extern int& useOctrees;

}  // namespace vortimbal
