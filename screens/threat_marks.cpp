// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/threat_marks.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/game_state.h"
#include "game/playable_world.h"
#include "scene/coloring.h"

namespace vortimbal {

namespace {

// The nearest few only: hundreds of arrows would say nothing.
constexpr int mostMarks = 8;
constexpr float chestHeight = 1.0f;
// Overlay units across; the arrows keep their shape in any window.
constexpr float inset = 0.03f, arrowLength = 0.06f, arrowHalfWidth = 0.035f, halo = 0.007f;
// Above or below the view, off the corners where the level and the score stand.
constexpr float widestAbove = 0.4f;
// How low on its side a bad guy right behind is marked.
constexpr float lowest = -0.7f;

struct Mark {
    float x = 0, y = 0;    // the tip, in overlay coordinates
    float dx = 0, dy = 0;  // the way it points: one of the four edges
    float distance = 0;
    float scale = 1;
};

struct Marks {
    Mark mark[mostMarks];
    int count = 0;
    float aspect = 4.0f / 3.0f;
};
Marks marks;

struct Seen {
    double eye[3];
    double clip[4];
};

Seen look(const GLdouble* modelview, const GLdouble* projection, const Vector3& p) {
    Seen seen{};
    const double at[4] = {p.x, p.y, p.z, 1};
    double eye[4] = {};
    for (int row = 0; row < 4; ++row) {
        for (int k = 0; k < 4; ++k) {
            eye[row] += modelview[k * 4 + row] * at[k];
        }
    }
    for (int row = 0; row < 4; ++row) {
        for (int k = 0; k < 4; ++k) {
            seen.clip[row] += projection[k * 4 + row] * eye[k];
        }
    }
    std::copy(eye, eye + 3, seen.eye);
    return seen;
}

// Where the arrow for a bad guy out of the view goes; false while he is in it.
bool markFor(const Seen& s, double halfAcross, Mark& mark) {
    const double w = s.clip[3];
    const bool ahead = w > 0 && std::abs(s.clip[0]) <= w;
    if (ahead && std::abs(s.clip[1]) <= w) {
        return false;
    }
    if (ahead) {
        const float up = s.clip[1] > 0 ? 1.0f : -1.0f;
        mark.x = std::clamp(float(s.clip[0] / w), -widestAbove, widestAbove);
        mark.y = up * (1 - inset * marks.aspect);
        mark.dx = 0;
        mark.dy = up;
        return true;
    }
    // Turning the shorter way round shows him: the side says which way, the
    // height how far.
    const float side = s.eye[0] > 0 ? 1.0f : -1.0f;
    const double bearing = std::atan2(std::abs(s.eye[0]), -s.eye[2]);
    const double round = std::clamp((bearing - halfAcross) / (M_PI - halfAcross), 0.0, 1.0);
    mark.x = side * (1 - inset);
    mark.y = float(round) * lowest;
    mark.dx = side;
    mark.dy = 0;
    return true;
}

// Keeps the nearest, replacing the furthest kept once all are taken.
void keep(const Mark& mark) {
    if (marks.count < mostMarks) {
        marks.mark[marks.count++] = mark;
        return;
    }
    Mark* furthest =
        std::max_element(marks.mark, marks.mark + mostMarks,
                         [](const Mark& a, const Mark& b) { return a.distance < b.distance; });
    if (mark.distance < furthest->distance) {
        *furthest = mark;
    }
}

// A triangle with its tip on the mark, grown by `grow` all round.
void emitArrow(const Mark& mark, float grow) {
    const float length = arrowLength * mark.scale, half = arrowHalfWidth * mark.scale + 2 * grow;
    // Along the arrow and across it; y stretched so a pixel across is a pixel up.
    const auto vertex = [&](float along, float across) {
        glVertex3f(mark.x + mark.dx * along - mark.dy * across,
                   mark.y + (mark.dy * along + mark.dx * across) * marks.aspect, 1);
    };
    vertex(2 * grow, 0);
    vertex(-length - grow, half);
    vertex(-length - grow, -half);
}

}  // namespace

void placeThreatMarks() {
    marks.count = 0;
    GLdouble modelview[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (viewport[2] <= 0 || viewport[3] <= 0 || projection[0] == 0) {
        return;
    }
    marks.aspect = float(viewport[2]) / float(viewport[3]);
    const double halfAcross = std::atan(1 / projection[0]);
    static std::vector<Vector3> badGuys;
    gameWorld->badGuysAt(badGuys);
    for (const Vector3& at : badGuys) {
        const Seen seen = look(modelview, projection, at + Vector3(0, chestHeight, 0));
        Mark mark;
        if (markFor(seen, halfAcross, mark)) {
            mark.distance = float(std::hypot(seen.eye[0], seen.eye[1], seen.eye[2]));
            // Nearer, bigger: the one about to shoot reads first.
            mark.scale = std::clamp(1.3f - mark.distance / 100, 0.6f, 1.0f);
            keep(mark);
        }
    }
}

void drawThreatMarks() {
    // The nearest last, on top; each its own rim, so arrows that overlap stay apart.
    std::sort(marks.mark, marks.mark + marks.count,
              [](const Mark& a, const Mark& b) { return a.distance > b.distance; });
    glEnable(GL_COLOR_MATERIAL);
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < marks.count; ++i) {
        glColor3f(0, 0, 0);
        emitArrow(marks.mark[i], halo);
        glColor3f(1.0f, 0.15f, 0.1f);
        emitArrow(marks.mark[i], 0);
    }
    glEnd();
    stopColoring();
}

}  // namespace vortimbal
