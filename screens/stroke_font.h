// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// The game's own stroke font. Every glyph is a few filled rectangles on a grid
// of 4 by 8 inside its cell; (x, y) is the top-left corner of the first cell,
// a cell is size / 2 wide and size tall, and characters advance by 0.55 size.
// Characters outside the font leave a gap of one advance.

constexpr float advanceFactor = 0.55f;
// Not a character: a small standing figure, the mark of the bad guys' count.
constexpr char figureMark = '\x01';

enum class Align { Left, Right, Centre };

// Emits one counter-clockwise quad at depth 1.0 (the nearest depth of the overlay).
void strokeRect(float x1, float y1, float x2, float y2);
// Emits the quads of one character; must run inside glBegin(GL_QUADS).
void drawGlyph(char c, float x, float y, float size);
// True when the font has a glyph for c.
bool hasGlyph(char c);

// Each text leaves the current colour black and GL_COLOR_MATERIAL off.
void drawText(const char* text, float x, float y, float size, float r, float g, float b);
// Ends the last advance exactly at x.
void drawTextRight(const char* text, float x, float y, float size, float r, float g, float b);
void drawTextCentered(const char* text, float x, float y, float size, float r, float g, float b);
// Text that reads over any scene: its strokes lie on a halo, dark behind light
// colours and pale behind dark ones. `x` is where the text starts, ends or is
// centred, as `align` says.
void drawOutlinedText(const char* text, float x, float y, float size, float r, float g, float b,
                      Align align = Align::Left);

}  // namespace vortimbal
