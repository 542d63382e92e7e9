// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "models/material.h"

#include <GL/gl.h>

namespace vortimbal {

int currentMaterialId = -1;
int nextMaterialId = 0;
MaterialBase* defaultMaterial = nullptr;
MaterialBase* blackMaterial = nullptr;

MaterialBase::MaterialBase(const std::string& name) : name(name), id(nextMaterialId++) {}

void MaterialBase::apply(float) {
    apply();
}

Material::Material(const std::string& name, const Color& ambient, const Color& specular,
                   const Color& emission, const Color& shininess)
    : MaterialBase(name),
      ambient(ambient),
      specular(specular),
      emission(emission),
      shininess(shininess) {}

Material::Material(const std::string& name, const Color& ambient, const Color& specular)
    : Material(name, ambient, specular, Color(0, 0, 0, 1), Color(0, 0, 0, 1)) {}

void Material::apply() {
    if (currentMaterialId == getId()) {
        return;
    }
    currentMaterialId = getId();
    glColor4fv(ambient.data());
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient.data());
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular.data());
    glMaterialfv(GL_FRONT, GL_EMISSION, emission.data());
    glMaterialfv(GL_FRONT, GL_SHININESS, shininess.data());
}

// Faces draw with GL_COLOR_MATERIAL tracking the ambient colour, so a corner's
// shade is a plain colour, which display lists keep cheaply.
void Material::apply(float factor) {
    if (currentMaterialId != getId()) {
        glMaterialfv(GL_FRONT, GL_SPECULAR, specular.data());
        glMaterialfv(GL_FRONT, GL_EMISSION, emission.data());
        glMaterialfv(GL_FRONT, GL_SHININESS, shininess.data());
    }
    applyScaledAmbient(factor);
    currentMaterialId = getId();
}

void Material::applyScaledAmbient(float factor) const {
    const Color scaled(ambient.r() * factor, ambient.g() * factor, ambient.b() * factor,
                       ambient.a() * factor);
    glColor4fv(scaled.data());
}

}  // namespace vortimbal
