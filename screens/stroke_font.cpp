// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/stroke_font.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>

#include "scene/coloring.h"

namespace vortimbal {

namespace {

// The halo around outlined text, in overlay units: a share of the size, and at
// least about two pixels of the 640 by 480 window.
constexpr float haloFactor = 0.06f;
constexpr float minimumHalo = 0.006f;

// A stroke in grid units: left and right in quarters of the cell width, top
// and bottom in eighths of the cell height counted down from the top. Rows 8
// to 11 are the descender below the cell.
struct Stroke {
    float left, top, right, bottom;
};

struct Glyph {
    char character;
    int count;
    Stroke strokes[6];
};

// clang-format off
const Glyph glyphs[] = {
    {'-', 1, {{0, 4, 4, 5}}},
    {',', 2, {{1, 7, 2, 9}, {0.5f, 9, 1.5f, 10}}},
    {'%', 5, {{0, 0, 1, 1}, {3, 7, 4, 8}, {3, 1, 4, 3}, {2, 3, 3, 5}, {1, 5, 2, 7}}},
    {'.', 1, {{1, 7, 2, 8}}},
    {':', 2, {{1, 2, 3, 3}, {1, 6, 3, 7}}},
    {'/', 4, {{3, 0, 4, 2}, {2, 2, 3, 4}, {1, 4, 2, 6}, {0, 6, 1, 8}}},
    {'0', 4, {{0, 0, 1, 8}, {3, 0, 4, 8}, {1, 0, 3, 1}, {1, 7, 3, 8}}},
    {'1', 3, {{2, 0, 3, 8}, {1, 1, 2, 2}, {1, 7, 4, 8}}},
    {'2', 5, {{0, 0, 4, 1}, {3, 1, 4, 3}, {0, 3, 4, 4}, {0, 4, 1, 7}, {0, 7, 4, 8}}},
    {'3', 4, {{0, 0, 4, 1}, {1, 3, 3, 4}, {0, 7, 4, 8}, {3, 1, 4, 7}}},
    {'4', 3, {{0, 0, 1, 4}, {1, 3, 3, 4}, {3, 0, 4, 8}}},
    {'5', 5, {{0, 0, 4, 1}, {0, 1, 1, 3}, {0, 3, 4, 4}, {3, 4, 4, 7}, {0, 7, 4, 8}}},
    {'6', 5, {{0, 0, 4, 1}, {0, 1, 1, 8}, {1, 3, 4, 4}, {3, 4, 4, 7}, {1, 7, 4, 8}}},
    {'7', 2, {{0, 0, 4, 1}, {3, 1, 4, 8}}},
    {'8', 5, {{0, 0, 1, 8}, {3, 0, 4, 8}, {1, 0, 3, 1}, {1, 3, 3, 4}, {1, 7, 3, 8}}},
    {'9', 5, {{0, 0, 4, 1}, {0, 1, 1, 4}, {1, 3, 3, 4}, {3, 1, 4, 8}, {0, 7, 3, 8}}},
    {'_', 1, {{0, 8, 4, 9}}},
    {'~', 4, {{0, 3, 1, 4}, {1, 2, 2, 3}, {2, 3, 3, 4}, {3, 2, 4, 3}}},
    {'A', 4, {{0, 1, 1, 8}, {3, 1, 4, 8}, {1, 0, 3, 1}, {1, 4, 3, 5}}},
    {'B', 5, {{0, 0, 1, 8}, {1, 0, 3, 1}, {3, 1, 4, 3}, {1, 3, 3, 4}, {3, 4, 4, 7}}},
    {'C', 3, {{0, 0, 4, 1}, {0, 1, 1, 7}, {0, 7, 4, 8}}},
    {'D', 4, {{0, 0, 1, 8}, {1, 0, 3, 1}, {3, 1, 4, 7}, {1, 7, 3, 8}}},
    {'E', 4, {{0, 0, 4, 1}, {0, 1, 1, 7}, {1, 3, 3, 4}, {0, 7, 4, 8}}},
    {'F', 3, {{0, 0, 4, 1}, {0, 1, 1, 8}, {1, 3, 3, 4}}},
    {'I', 3, {{1.5f, 1, 2.5f, 7}, {0, 0, 4, 1}, {0, 7, 4, 8}}},
    {'J', 4, {{1, 0, 4, 1}, {3, 1, 4, 7}, {1, 7, 3, 8}, {0, 5, 1, 7}}},
    {'K', 5, {{0, 0, 1, 8}, {1, 3, 2, 5}, {2, 1.5f, 3, 3}, {3, 0, 4, 1.5f}, {2, 5, 4, 8}}},
    {'L', 2, {{0, 0, 1, 8}, {1, 7, 4, 8}}},
    {'M', 5, {{0, 0, 1, 8}, {3, 0, 4, 8}, {1, 1, 1.5f, 3}, {2.5f, 1, 3, 3}, {1.5f, 3, 2.5f, 4}}},
    {'P', 4, {{0, 0, 1, 8}, {1, 0, 3, 1}, {3, 1, 4, 3}, {1, 3, 3, 4}}},
    {'S', 5, {{1, 0, 4, 1}, {0, 1, 1, 3}, {1, 3, 3, 4}, {3, 4, 4, 7}, {0, 7, 3, 8}}},
    {'T', 2, {{0, 0, 4, 1}, {1.5f, 1, 2.5f, 8}}},
    {'U', 3, {{0, 0, 1, 7}, {3, 0, 4, 7}, {1, 7, 3, 8}}},
    {'W', 4, {{0, 0, 1, 8}, {3, 0, 4, 8}, {1.5f, 4, 2.5f, 8}, {1, 7, 3, 8}}},
    {'X', 5, {{0, 0, 1, 2.5f}, {3, 0, 4, 2.5f}, {1, 2.5f, 3, 5.5f}, {0, 5.5f, 1, 8},
              {3, 5.5f, 4, 8}}},
    {'Y', 4, {{0, 0, 1, 3}, {3, 0, 4, 3}, {1, 3, 3, 4}, {1.5f, 4, 2.5f, 8}}},
    {'Z', 5, {{0, 0, 4, 1}, {3, 1, 4, 3}, {2, 3, 3, 5}, {1, 5, 2, 7}, {0, 7, 4, 8}}},
    {'G', 5, {{0, 0, 4, 1}, {0, 1, 1, 8}, {1, 7, 4, 8}, {3, 4, 4, 7}, {2, 4, 3, 5}}},
    {'H', 3, {{0, 0, 1, 8}, {3, 0, 4, 8}, {1, 3, 3, 4}}},
    {'N', 4, {{0, 0, 1, 8}, {3, 0, 4, 8}, {1, 1, 2, 4}, {2, 4, 3, 7}}},
    {'O', 4, {{0, 0, 1, 8}, {3, 0, 4, 8}, {1, 0, 3, 1}, {1, 7, 3, 8}}},
    {'R', 6, {{0, 0, 1, 8}, {1, 0, 3, 1}, {3, 1, 4, 3}, {1, 3, 3, 4}, {2, 4, 3, 6}, {3, 6, 4, 8}}},
    {'Q', 5, {{0, 0, 1, 7}, {3, 0, 4, 7}, {1, 0, 3, 1}, {1, 6, 3, 7}, {2, 7, 4, 8}}},
    {'V', 5, {{0, 0, 1, 5}, {3, 0, 4, 5}, {0.75f, 5, 1.75f, 7}, {2.25f, 5, 3.25f, 7},
              {1.5f, 7, 2.5f, 8}}},
    {'a', 5, {{0, 3, 4, 4}, {3, 4, 4, 8}, {1, 5, 3, 6}, {0, 5, 1, 7}, {1, 7, 3, 8}}},
    {'b', 4, {{0, 0, 1, 8}, {1, 3, 4, 4}, {3, 4, 4, 7}, {1, 7, 4, 8}}},
    {'c', 3, {{0, 3, 4, 4}, {0, 4, 1, 7}, {0, 7, 4, 8}}},
    {'d', 4, {{3, 0, 4, 8}, {0, 3, 3, 4}, {0, 4, 1, 7}, {0, 7, 3, 8}}},
    {'e', 5, {{0, 3, 4, 4}, {0, 4, 1, 7}, {3, 4, 4, 6}, {1, 5, 3, 6}, {1, 7, 4, 8}}},
    {'f', 3, {{1, 0, 2, 8}, {2, 0, 4, 1}, {0, 3, 3, 4}}},
    {'g', 5, {{0, 3, 4, 4}, {0, 4, 1, 7}, {3, 4, 4, 11}, {1, 6, 3, 7}, {0, 10, 3, 11}}},
    {'h', 3, {{0, 0, 1, 8}, {1, 3, 4, 4}, {3, 4, 4, 8}}},
    {'i', 3, {{1, 3, 2, 7}, {1, 1, 2, 2}, {0, 7, 3, 8}}},
    {'j', 3, {{2, 3, 3, 11}, {2, 1, 3, 2}, {0, 10, 2, 11}}},
    {'k', 6, {{0, 0, 1, 8}, {1, 5, 2, 6}, {2, 4, 3, 5}, {3, 3, 4, 4}, {2, 6, 3, 7},
              {3, 7, 4, 8}}},
    {'l', 2, {{1, 0, 2, 8}, {2, 7, 3, 8}}},
    {'m', 4, {{0, 3, 1, 8}, {1, 3, 4, 4}, {1.5f, 4, 2.5f, 8}, {3, 4, 4, 8}}},
    {'n', 3, {{0, 3, 1, 8}, {1, 3, 4, 4}, {3, 4, 4, 8}}},
    {'o', 4, {{0, 3, 1, 8}, {3, 3, 4, 8}, {1, 3, 3, 4}, {1, 7, 3, 8}}},
    {'p', 4, {{0, 3, 1, 11}, {1, 3, 4, 4}, {3, 4, 4, 7}, {1, 7, 4, 8}}},
    {'q', 4, {{3, 3, 4, 11}, {0, 3, 3, 4}, {0, 4, 1, 7}, {0, 7, 3, 8}}},
    {'r', 2, {{0, 3, 1, 8}, {1, 3, 4, 4}}},
    {'s', 5, {{0, 3, 4, 4}, {0, 4, 1, 5}, {0, 5, 4, 6}, {3, 6, 4, 7}, {0, 7, 4, 8}}},
    {'t', 3, {{1, 1, 2, 8}, {0, 3, 3, 4}, {2, 7, 4, 8}}},
    {'u', 3, {{0, 3, 1, 8}, {3, 3, 4, 8}, {1, 7, 3, 8}}},
    {'v', 5, {{0, 3, 0.75f, 6}, {3.25f, 3, 4, 6}, {0.75f, 6, 1.75f, 7}, {2.25f, 6, 3.25f, 7},
              {1.5f, 7, 2.5f, 8}}},
    {'w', 4, {{0, 3, 1, 8}, {3, 3, 4, 8}, {1.5f, 5, 2.5f, 8}, {1, 7, 3, 8}}},
    {'x', 5, {{0, 3, 1, 5}, {3, 3, 4, 5}, {1, 5, 3, 6}, {0, 6, 1, 8}, {3, 6, 4, 8}}},
    {'y', 4, {{0, 3, 1, 7}, {3, 3, 4, 11}, {1, 7, 3, 8}, {0, 10, 3, 11}}},
    {'z', 5, {{0, 3, 4, 4}, {3, 4, 4, 5}, {2, 5, 3, 6}, {1, 6, 2, 7}, {0, 7, 4, 8}}},
    {figureMark, 6, {{1, 0, 3, 2}, {1, 2, 3, 5}, {0, 2, 1, 4}, {3, 2, 4, 4}, {1, 5, 1.9f, 8},
                     {2.1f, 5, 3, 8}}},
};
// clang-format on

const Glyph* findGlyph(char c) {
    for (const Glyph& glyph : glyphs) {
        if (glyph.character == c) {
            return &glyph;
        }
    }
    return nullptr;
}

// Each stroke grown by `grow` on every side: the halo behind outlined text.
void drawGrownGlyph(char c, float x, float y, float size, float grow) {
    const Glyph* glyph = findGlyph(c);
    if (glyph == nullptr) {
        return;
    }
    const float column = size / 2 / 4;
    const float row = size / 8;
    for (int i = 0; i < glyph->count; ++i) {
        const Stroke& s = glyph->strokes[i];
        strokeRect(x + s.left * column - grow, y - s.top * row + grow, x + s.right * column + grow,
                   y - s.bottom * row - grow);
    }
}

void emitText(const char* text, float x, float y, float size, float grow) {
    float offset = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        drawGrownGlyph(*c, x + offset, y, size, grow);
        offset += size * advanceFactor;
    }
}

float textWidth(const char* text, float size) {
    return float(std::strlen(text)) * size * advanceFactor;
}

}  // namespace

void strokeRect(float x1, float y1, float x2, float y2) {
    glVertex3f(x2, y2, 1.0f);
    glVertex3f(x2, y1, 1.0f);
    glVertex3f(x1, y1, 1.0f);
    glVertex3f(x1, y2, 1.0f);
}

bool hasGlyph(char c) {
    return findGlyph(c) != nullptr;
}

void drawGlyph(char c, float x, float y, float size) {
    drawGrownGlyph(c, x, y, size, 0);
}

void drawText(const char* text, float x, float y, float size, float r, float g, float b) {
    glEnable(GL_COLOR_MATERIAL);
    glBegin(GL_QUADS);
    glColor3f(r, g, b);
    emitText(text, x, y, size, 0);
    glEnd();
    // Colour tracking has blackened the material: the next surface must set its own.
    stopColoring();
}

void drawTextRight(const char* text, float x, float y, float size, float r, float g, float b) {
    drawText(text, x - textWidth(text, size), y, size, r, g, b);
}

void drawTextCentered(const char* text, float x, float y, float size, float r, float g, float b) {
    drawText(text, x - textWidth(text, size) / 2, y, size, r, g, b);
}

void drawOutlinedText(const char* text, float x, float y, float size, float r, float g, float b,
                      Align align) {
    const float width = textWidth(text, size);
    const float left = align == Align::Left ? x : align == Align::Right ? x - width : x - width / 2;
    const bool lightText = 0.3f * r + 0.59f * g + 0.11f * b > 0.3f;
    glEnable(GL_COLOR_MATERIAL);
    glBegin(GL_QUADS);
    if (lightText) {
        glColor3f(0, 0, 0);
    } else {
        glColor3f(1.0f, 0.9f, 0.8f);
    }
    emitText(text, left, y, size, std::max(size * haloFactor, minimumHalo));
    glColor3f(r, g, b);
    emitText(text, left, y, size, 0);
    glEnd();
    stopColoring();
}

}  // namespace vortimbal
