// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/ground_tile.h"

#include <GL/gl.h>

#include <cmath>

#include "models/material.h"
#include "scene/coloring.h"
#include "scene/switches.h"

namespace vortimbal {

GroundTile::GroundTile(float halfSize, float y) : halfSize(halfSize) {
    position = Vector3(0, y, 0);
}

GroundBatch* GroundBatch::open = nullptr;

void GroundTile::draw() {
    if (showSurfaces && GroundBatch::open != nullptr) {
        GroundBatch::open->add(*this);
        return;
    }
    if (showSurfaces) {
        // A tile drawn on its own is a batch of one.
        GroundBatch alone;
        alone.add(*this);
        alone.draw();
        return;
    }
    glPushMatrix();
    glEnable(GL_COLOR_MATERIAL);
    if (blackMaterial != nullptr) {
        blackMaterial->apply();
    }
    glTranslatef(position.x, position.y, position.z);
    glRotatef(rotation.y, 0, 1, 0);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    drawOutline();
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

// A fan about the centre, as separate triangles, which the renderer makes of a fan anyway.
void GroundTile::sendPlacedTriangles() const {
    const float s = halfSize;
    const float rim[9][2] = {{0, -s}, {-s, -s}, {-s, 0}, {-s, s}, {0, s},
                             {s, s},  {s, 0},   {s, -s}, {0, -s}};
    // As glRotatef about the vertical axis makes its matrix.
    const double radians = double(rotation.y) * M_PI / 180.0;
    const auto c = float(std::cos(radians)), sn = float(std::sin(radians));
    const auto send = [&](float x, float z) {
        glColor3fv(x != 0 && z != 0 ? cornerColor.data() : innerColor.data());
        glVertex3f(c * x + sn * z + position.x, position.y, -sn * x + c * z + position.z);
    };
    for (int i = 0; i < 8; ++i) {
        send(0, 0);
        send(rim[i][0], rim[i][1]);
        send(rim[i + 1][0], rim[i + 1][1]);
    }
}

void GroundBatch::draw() {
    if (tiles.empty()) {
        return;
    }
    glEnable(GL_COLOR_MATERIAL);
    if (blackMaterial != nullptr) {
        blackMaterial->apply();
    }
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glBegin(GL_TRIANGLES);
    glNormal3f(0, 1, 0);
    for (const GroundTile* tile : tiles) {
        tile->sendPlacedTriangles();
    }
    glEnd();
    stopColoring();
    tiles.clear();
}

}  // namespace vortimbal
