// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Where and how large the game's first window is. freeglut reads GLUT's
// "-geometry WxH+X+Y" itself, but takes one with no size, such as "+0+0", as
// a size of whatever its stack held, and places "-0-0" by that size: the game
// reads the option again and tells GLUT the whole of it.
struct WindowPlace {
    int width;
    int height;
    // Whether an offset was given: X from the left or, if fromRight, from the
    // right edge to the window's; Y likewise from the top or the bottom.
    bool placed = false;
    int x = 0;
    int y = 0;
    bool fromRight = false;
    bool fromBottom = false;

    int left(int screenWidth) const { return fromRight ? screenWidth - width - x : x; }
    int top(int screenHeight) const { return fromBottom ? screenHeight - height - y : y; }
};

// The place the last "-geometry" in argv asks for, its size held to what a
// window can be; `width` by `height` where it names no size.
WindowPlace windowPlaceAskedFor(int argc, char* const* argv, int width, int height);

}  // namespace vortimbal
