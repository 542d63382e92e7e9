// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/ground_tile.h"

#include <GL/gl.h>

#include "models/material.h"
#include "scene/coloring.h"
#include "scene/switches.h"

namespace vortimbal {

GroundTile::GroundTile(float halfSize, float y) : halfSize(halfSize) {
    position = Vector3(0, y, 0);
}

void GroundTile::draw() {
    glPushMatrix();
    glEnable(GL_COLOR_MATERIAL);
    if (blackMaterial != nullptr) {
        blackMaterial->apply();
    }
    glTranslatef(position.x, position.y, position.z);
    glRotatef(rotation.y, 0, 1, 0);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    if (showSurfaces) {
        drawSurface();
    } else {
        drawOutline();
    }
    stopColoring();
    glPopMatrix();
}

void GroundTile::drawOutline() const {
    const float s = halfSize;
    glColor3fv(innerColor.data());
    glBegin(GL_LINE_LOOP);
    glVertex3f(-s, 0, -s);
    glVertex3f(s, 0, -s);
    glVertex3f(s, 0, s);
    glVertex3f(-s, 0, s);
    glEnd();
}

void GroundTile::drawSurface() const {
    const float s = halfSize;
    glBegin(GL_TRIANGLE_FAN);
    glNormal3f(0, 1, 0);
    corner(0, 0);
    corner(0, -s);
    corner(-s, -s);
    corner(-s, 0);
    corner(-s, s);
    corner(0, s);
    corner(s, s);
    corner(s, 0);
    corner(s, -s);
    corner(0, -s);
    glEnd();
}

void GroundTile::corner(float x, float z) const {
    glColor3fv(x != 0 && z != 0 ? cornerColor.data() : innerColor.data());
    glVertex3f(x, 0, z);
}

}  // namespace vortimbal
