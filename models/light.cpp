// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "models/light.h"

#include <GL/gl.h>

namespace vortimbal {

namespace {

// The same for every lamp: full strength up to about 30 units, fading beyond.
constexpr float constantAttenuation = 0.0f;
constexpr float linearAttenuation = 0.002f;
constexpr float quadraticAttenuation = 0.001f;

}  // namespace

Light::Light(unsigned int lightId) : lightId(lightId) {}

void Light::upload() const {
    glLightfv(lightId, GL_AMBIENT, ambient.data());
    glLightfv(lightId, GL_DIFFUSE, diffuse.data());
    glLightfv(lightId, GL_SPECULAR, specular.data());
    glLightfv(lightId, GL_POSITION, position.data());
    glLightf(lightId, GL_CONSTANT_ATTENUATION, constantAttenuation);
    glLightf(lightId, GL_LINEAR_ATTENUATION, linearAttenuation);
    glLightf(lightId, GL_QUADRATIC_ATTENUATION, quadraticAttenuation);
}

void Light::enable() {
    glEnable(lightId);
    enabled = true;
}

void Light::disable() {
    glDisable(lightId);
    enabled = false;
}

void Light::toggle() {
    if (enabled) {
        disable();
    } else {
        enable();
    }
}

}  // namespace vortimbal
