// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/chosen_marker.h"

#include <GL/gl.h>

namespace vortimbal {

namespace {
constexpr float margin = 0.03f;
constexpr float pointerWidth = 0.05f;
}  // namespace

void drawChosenMarker(float left, float right, float top, float bottom) {
    left -= margin;
    right += margin;
    top += margin / 2;
    bottom -= margin / 2;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const float bar[] = {1.0f, 0.9f, 0.5f, 0.3f};
    glColor4fv(bar);
    glBegin(GL_QUADS);
    glVertex3f(left, bottom, 0);
    glVertex3f(right, bottom, 0);
    glVertex3f(right, top, 0);
    glVertex3f(left, top, 0);
    glEnd();
    glDisable(GL_BLEND);
    // A row at the window's left edge has the bar alone.
    if (left - pointerWidth - margin < -1) {
        glColor3f(0, 0, 0);
        return;
    }
    glColor3f(1.0f, 0.85f, 0.2f);
    glBegin(GL_TRIANGLES);
    glVertex3f(left - pointerWidth - margin, top, 0);
    glVertex3f(left - pointerWidth - margin, bottom, 0);
    glVertex3f(left - margin, (top + bottom) / 2, 0);
    glEnd();
    glColor3f(0, 0, 0);
}

}  // namespace vortimbal
