// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

#include "scene/color.h"

namespace vortimbal {

// A named surface that faces draw with: a colour material or a texture.
class MaterialBase {
  public:
    explicit MaterialBase(const std::string& name);
    MaterialBase(const MaterialBase&) = delete;
    MaterialBase& operator=(const MaterialBase&) = delete;
    virtual ~MaterialBase() = default;

    // Makes this surface current; cheap when it already is.
    virtual void apply() = 0;
    // Makes this surface current with its main colour scaled by factor. Once the
    // surface is current this issues glMaterialfv only, so faces may call it
    // between glBegin and glEnd.
    virtual void apply(float factor);
    virtual int isTextured() const { return 0; }

    const std::string& getName() const { return name; }
    int getId() const { return id; }

  private:
    std::string name;
    int id;
};

// OpenGL's front material, without diffuse: the ambient colour is the main one.
class Material : public MaterialBase {
  public:
    Material(const std::string& name, const Color& ambient, const Color& specular,
             const Color& emission, const Color& shininess);
    // Emission and shininess are (0, 0, 0, 1).
    Material(const std::string& name, const Color& ambient, const Color& specular);

    void apply() override;
    void apply(float factor) override;

    const Color& getAmbient() const { return ambient; }
    const Color& getSpecular() const { return specular; }
    const Color& getEmission() const { return emission; }
    const Color& getShininess() const { return shininess; }

  private:
    void applyScaledAmbient(float factor) const;

    Color ambient;
    Color specular;
    Color emission;
    Color shininess;  // only the first value counts: the specular exponent
};

// The id of the surface last made current, or -1 for none. Anything that changes
// the OpenGL material behind the surfaces' back must reset it to -1.
extern int currentMaterialId;
// Ids are handed out in construction order and never reused.
extern int nextMaterialId;
// "white": what meshes start with and textures are lit with.
extern MaterialBase* defaultMaterial;
// "black": made current by the ground tiles.
extern MaterialBase* blackMaterial;

}  // namespace vortimbal
