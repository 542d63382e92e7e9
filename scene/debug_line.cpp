// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/debug_line.h"

#include <GL/gl.h>

#include "scene/coloring.h"
#include "scene/line_batch.h"

namespace vortimbal {

DebugLine::DebugLine(const Vector3& from, const Vector3& to, const Color& color)
    : from(from), to(to), color(color) {}

void DebugLine::draw() const {
    if (LineBatch::open != nullptr) {
        LineBatch::open->addLine(from, to, color);
        return;
    }
    startColoring();
    glColor3f(color.r(), color.g(), color.b());
    glBegin(GL_LINES);
    glVertex3f(from.x, from.y, from.z);
    glVertex3f(to.x, to.y, to.z);
    glEnd();
    stopColoring();
}

}  // namespace vortimbal
