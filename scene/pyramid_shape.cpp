// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/pyramid_shape.h"

#include <GL/gl.h>

#include "scene/coloring.h"

namespace vortimbal {

PyramidShape::PyramidShape(const Vector3& centre, float height, float halfWidth, const Color& color)
    : height(height), halfWidth(halfWidth), color(color) {
    position = centre;
}

void PyramidShape::draw() {
    const float h = height, w = halfWidth;
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    startColoring();
    glColor3f(color.r(), color.g(), color.b());
    // Lit as from above, one shade: by whatever normal the last thing drawn
    // left, a far figure's shade changed with what was drawn before it.
    glNormal3f(0, 1, 0);
    glBegin(GL_TRIANGLE_FAN);
    glVertex3f(0, h, 0);
    glVertex3f(0, 0, -w);
    glVertex3f(-w, 0, 0);
    glVertex3f(0, 0, w);
    glVertex3f(w, 0, 0);
    glVertex3f(0, 0, -w);
    glEnd();
    stopColoring();
    glPopMatrix();
}

}  // namespace vortimbal
