// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/aim_marker.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "control/camera.h"
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
    float x = 0, y = 0;          // overlay coordinates
    float aspect = 4.0f / 3.0f;  // the overlay's units are taller than wide by it
    LineOfFire::Target target = LineOfFire::Nothing;
};
Marker marker;

// A rectangle from (x0, y0) to (x1, y1) in overlay units across: y is stretched.
void emitRect(float x0, float y0, float x1, float y1) {
    const float tall = marker.aspect;
    glVertex3f(marker.x + x0, marker.y + y0 * tall, 1);
    glVertex3f(marker.x + x1, marker.y + y0 * tall, 1);
    glVertex3f(marker.x + x1, marker.y + y1 * tall, 1);
    glVertex3f(marker.x + x0, marker.y + y1 * tall, 1);
}

// Four ticks around the point; `gap` from it, each `length` long and `width` thick.
void emitTicks(float gap, float length, float width) {
    const float w = width / 2;
    emitRect(-gap - length, -w, -gap, w);
    emitRect(gap, -w, gap + length, w);
    emitRect(-w, gap, w, gap + length);
    emitRect(-w, -gap - length, w, -gap);
}

// A band around the point as a polygon of `sides` corners, the first at `turn`
// radians from the right, `inner` to `outer` from the point.
void emitRing(int sides, float turn, float inner, float outer) {
    const float tall = marker.aspect;
    for (int i = 0; i < sides; ++i) {
        const float a = turn + float(2 * M_PI) * float(i) / float(sides);
        const float b = turn + float(2 * M_PI) * float(i + 1) / float(sides);
        glVertex3f(marker.x + inner * std::cos(a), marker.y + inner * std::sin(a) * tall, 1);
        glVertex3f(marker.x + outer * std::cos(a), marker.y + outer * std::sin(a) * tall, 1);
        glVertex3f(marker.x + outer * std::cos(b), marker.y + outer * std::sin(b) * tall, 1);
        glVertex3f(marker.x + inner * std::cos(b), marker.y + inner * std::sin(b) * tall, 1);
    }
}

// A bar `width` thick across the point, from upper left to lower right, `reach` each way.
void emitSlash(float reach, float width) {
    const float tall = marker.aspect, d = reach / float(M_SQRT2), w = width / 2 / float(M_SQRT2);
    // Counter-clockwise, as the overlay culls the other side.
    glVertex3f(marker.x - d - w, marker.y + (d - w) * tall, 1);
    glVertex3f(marker.x + d - w, marker.y + (-d - w) * tall, 1);
    glVertex3f(marker.x + d + w, marker.y + (-d + w) * tall, 1);
    glVertex3f(marker.x - d + w, marker.y + (d + w) * tall, 1);
}

// Each shape twice: grown by the halo in black, then in its colour. Over a bad
// guy a bold diamond, whose dark rims part it from a red body; over a citizen
// a ring struck through, "don't shoot"; the ticks over open ground. The shape
// says it to those who cannot tell the colours apart.
constexpr float halo = 0.006f;

void emitBadGuyMark(float grow) {
    // A diamond's band is narrower than its corners are apart: grown more there.
    emitRing(4, 0, 0.026f - grow * float(M_SQRT2), 0.046f + grow * float(M_SQRT2));
}

void emitCitizenMark(float grow) {
    emitRing(20, 0, 0.026f - grow, 0.036f + grow);
    emitSlash(0.031f + grow, 0.009f + 2 * grow);
}

void emitOpenMark(float grow) {
    emitTicks(0.02f - grow, 0.025f + 2 * grow, 0.008f + 2 * grow);
}

void emitMark(float grow) {
    switch (marker.target) {
        case LineOfFire::BadGuy:
            emitBadGuyMark(grow);
            break;
        case LineOfFire::Citizen:
            emitCitizenMark(grow);
            break;
        default:
            emitOpenMark(grow);
            break;
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
    // On the line itself, as far along as the figure in line stands: a shot
    // takes a figure within a few units of it, which would put a mark at his
    // chest well off the line the view looks down.
    // From the player as the frame shows him: the line a step ahead of the
    // picture swung the mark about between steps.
    Vector3 from = line.from, direction = line.direction;
    camera.shownTarget(from, direction);
    const Vector3 toTarget = line.targetAt - from;
    const float along =
        line.target != LineOfFire::Nothing
            ? (toTarget.x * direction.x + toTarget.y * direction.y + toTarget.z * direction.z) /
                  direction.lengthSquared()
            : openGroundDistance;
    Vector3 point = from + direction * along;
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
    marker.aspect = float(viewport[2]) / float(viewport[3]);
    marker.x = float(2 * (x - viewport[0]) / viewport[2] - 1);
    marker.y = float(2 * (y - viewport[1]) / viewport[3] - 1);
}

void drawAimMarker() {
    if (!marker.shown) {
        return;
    }
    glEnable(GL_COLOR_MATERIAL);
    glBegin(GL_QUADS);
    glColor3f(0, 0, 0);
    emitMark(halo);
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
    emitMark(0);
    glEnd();
    stopColoring();
}

}  // namespace vortimbal
