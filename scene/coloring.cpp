// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/coloring.h"

#include <GL/gl.h>

#include "models/material.h"

namespace vortimbal {

void startColoring() {
    // No shine or glow left by whatever surface came before: a shape looks
    // the same whatever was drawn ahead of it.
    const GLfloat none[] = {0, 0, 0, 1};
    glMaterialfv(GL_FRONT, GL_SPECULAR, none);
    glMaterialfv(GL_FRONT, GL_EMISSION, none);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

void stopColoring() {
    glColor3f(0, 0, 0);
    glDisable(GL_COLOR_MATERIAL);
    currentMaterialId = -1;
}

// The default texture, made anew each time: it belongs to no context.
void startDimming(unsigned char level) {
    const unsigned char texel[] = {level, level, level};
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texel);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_TEXTURE_2D);
}

void stopDimming() {
    glDisable(GL_TEXTURE_2D);
    currentMaterialId = -1;
}

}  // namespace vortimbal
