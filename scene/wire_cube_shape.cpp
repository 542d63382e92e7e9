// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/wire_cube_shape.h"

#include <GL/gl.h>
#include <GL/glut.h>

#include "scene/coloring.h"
#include "scene/line_batch.h"

namespace vortimbal {

WireCubeShape::WireCubeShape(const Vector3& centre, float size, const Color& color)
    : size(size), color(color) {
    position = centre;
}

void WireCubeShape::draw() {
    if (LineBatch::open != nullptr) {
        LineBatch::open->addCube(position, size, color);
        return;
    }
    glPushMatrix();
    startColoring();
    glTranslatef(position.x, position.y, position.z);
    glColor3f(color.r(), color.g(), color.b());
    glutWireCube(size);
    stopColoring();
    glPopMatrix();
}

}  // namespace vortimbal
