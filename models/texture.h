// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

#include "models/bmp.h"
#include "models/material.h"

namespace vortimbal {

// A surface that binds an OpenGL texture and lights it with its base material.
class Texture : public MaterialBase {
  public:
    // Named after the image file, lit by defaultMaterial. An image that fails to
    // load leaves a single white pixel, so the texture never uploads unset memory.
    explicit Texture(const std::string& fileName);

    void apply() override;
    // The first call binds; while the texture stays current, later calls only
    // scale the base material's ambient colour, which is allowed inside glBegin.
    void apply(float factor) override;
    int isTextured() const override { return 1; }

    // Reads the BMP file into this texture; 1 on success, 0 on failure.
    int loadBmp(const char* fileName);
    void setBaseMaterial(MaterialBase* material) { baseMaterial = material; }
    MaterialBase* getBaseMaterial() const { return baseMaterial; }
    void setTextureName(unsigned int name) { textureName = name; }
    unsigned int getTextureName() const { return textureName; }

    int getWidth() const { return image.width; }
    int getHeight() const { return image.height; }
    const unsigned char* getPixels() const { return image.pixels.data(); }

  private:
    void bind() const;

    unsigned int textureName = 0;
    BmpImage image;
    MaterialBase* baseMaterial;
};

constexpr int textureCount = 6;
extern const char* const textureFileNames[textureCount];
extern unsigned int textureNames[textureCount];
extern Texture* textures[textureCount];

// Reads the six images and names their textures; needs the OpenGL window.
void loadTextures();
// Hands the images to the current GL context, which a new window lacks.
void uploadTextures();

}  // namespace vortimbal
