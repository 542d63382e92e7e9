// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/coloring.h"

#include <GL/gl.h>

#include "models/material.h"

namespace vortimbal {

void startColoring() {
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

void stopColoring() {
    glColor3f(0, 0, 0);
    glDisable(GL_COLOR_MATERIAL);
    currentMaterialId = -1;
}

}  // namespace vortimbal
