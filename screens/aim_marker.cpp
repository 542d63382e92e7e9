// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/aim_marker.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "game/game_state.h"
#include "game/playable_world.h"
#include "scene/coloring.h"

namespace vortimbal {

namespace {

// Marked at a figure's chest, on open ground this far ahead.
constexpr float chestHeight = 1.0f;
constexpr float openGroundDistance = 25.0f;

struct Marker {
    bool shown = false;
    float x = 0, y = 0;  // overlay coordinates
    LineOfFire::Target target = LineOfFire::Nothing;
};
Marker marker;

// Four ticks around the point; `gap` from it, each `length` long and `width` thick.
void emitTicks(float x, float y, float gap, float length, float width) {
    const float w = width / 2;
    const float tall = 4.0f / 3.0f;  // the overlay's units are taller than wide at 4:3
    const float rects[4][4] = {{x - gap - length, y - w * tall, x - gap, y + w * tall},
                               {x + gap, y - w * tall, x + gap + length, y + w * tall},
                               {x - w, y + gap * tall, x + w, y + (gap + length) * tall},
                               {x - w, y - (gap + length) * tall, x + w, y - gap * tall}};
    for (const auto& r : rects) {
        glVertex3f(r[0], r[1], 1);
        glVertex3f(r[2], r[1], 1);
        glVertex3f(r[2], r[3], 1);
        glVertex3f(r[0], r[3], 1);
    }
}

}  // namespace

void placeAimMarker() {
    const LineOfFire line = gameWorld->lineOfFire();
    marker.shown = false;
    marker.target = line.target;
    if (line.direction.lengthSquared() == 0) {
        return;
    }
    Vector3 point = line.target != LineOfFire::Nothing
                        ? line.targetAt
                        : line.from + line.direction * openGroundDistance;
    point.y += chestHeight;
    GLdouble modelview[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble x = 0, y = 0, depth = 0;
    if (viewport[2] <= 0 || viewport[3] <= 0 ||
        gluProject(point.x, point.y, point.z, modelview, projection, viewport, &x, &y, &depth) !=
            GL_TRUE) {
        return;
    }
    // Beyond depth 1 lies behind the camera.
    marker.shown = depth >= 0 && depth <= 1;
    marker.x = float(2 * (x - viewport[0]) / viewport[2] - 1);
    marker.y = float(2 * (y - viewport[1]) / viewport[3] - 1);
}

void drawAimMarker() {
    if (!marker.shown) {
        return;
    }
    const bool onBadGuy = marker.target == LineOfFire::BadGuy;
    const float gap = onBadGuy ? 0.012f : 0.02f;
    const float length = onBadGuy ? 0.035f : 0.025f;
    const float width = 0.008f;
    const float halo = 0.005f;
    glEnable(GL_COLOR_MATERIAL);
    glBegin(GL_QUADS);
    glColor3f(0, 0, 0);
    emitTicks(marker.x, marker.y, gap - halo, length + 2 * halo, width + 2 * halo);
    switch (marker.target) {
        case LineOfFire::BadGuy:
            glColor3f(1.0f, 0.15f, 0.1f);
            break;
        case LineOfFire::Citizen:
            glColor3f(1.0f, 0.9f, 0.1f);
            break;
        default:
            glColor3f(1, 1, 1);
            break;
    }
    emitTicks(marker.x, marker.y, gap, length, width);
    glEnd();
    stopColoring();
}

}  // namespace vortimbal
