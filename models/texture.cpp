// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "models/texture.h"

#include <GL/gl.h>

namespace vortimbal {

const char* const textureFileNames[textureCount] = {"bmp/1.bmp", "bmp/2.bmp", "bmp/3.bmp",
                                                    "bmp/4.bmp", "bmp/5.bmp", "bmp/6.bmp"};
unsigned int textureNames[textureCount] = {};
Texture* textures[textureCount] = {};

namespace {

constexpr GLint fourComponents = 4;

BmpImage whitePixel() {
    BmpImage image;
    image.width = 1;
    image.height = 1;
    image.pixels.assign(3, 255);
    return image;
}

void upload(const Texture& texture) {
    glBindTexture(GL_TEXTURE_2D, texture.getTextureName());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, fourComponents, texture.getWidth(), texture.getHeight(), 0,
                 GL_RGB, GL_UNSIGNED_BYTE, texture.getPixels());
}

}  // namespace

Texture::Texture(const std::string& fileName)
    : MaterialBase(fileName), baseMaterial(defaultMaterial) {
    if (!loadBmp(fileName.c_str())) {
        image = whitePixel();
    }
}

int Texture::loadBmp(const char* fileName) {
    return vortimbal::loadBmp(fileName, image);
}

// GL_MODULATE lights the texture with the base material. GL_BLEND, with the
// environment colour left black, would show every texture as its negative.
void Texture::bind() const {
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, textureName);
}

void Texture::apply() {
    if (currentMaterialId == getId()) {
        return;
    }
    if (baseMaterial != nullptr) {
        baseMaterial->apply();
    }
    bind();
    currentMaterialId = getId();
}

void Texture::apply(float factor) {
    if (currentMaterialId == getId()) {
        // The base material's colours are loaded already: let it only rescale.
        if (baseMaterial != nullptr) {
            currentMaterialId = baseMaterial->getId();
        }
    } else {
        bind();
    }
    if (baseMaterial != nullptr) {
        baseMaterial->apply(factor);
    }
    currentMaterialId = getId();
}

void loadTextures() {
    glDeleteTextures(textureCount, textureNames);
    glGenTextures(textureCount, textureNames);
    for (int i = 0; i < textureCount; ++i) {
        textures[i] = new Texture(textureFileNames[i]);
        textures[i]->setTextureName(textureNames[i]);
    }
}

void uploadTextures() {
    glClearColor(0, 0, 0, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // the rows are packed
    for (const Texture* texture : textures) {
        if (texture != nullptr) {
            upload(*texture);
        }
    }
    // Texturing stays off: each textured triangle turns it on for itself. Left
    // on, it would tint every plain surface until the first textured one is drawn.
}

}  // namespace vortimbal
