// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "core/list.h"
#include "scene/scene_object.h"
#include "scene/vector3.h"

namespace vortimbal {

class MaterialBase;
class MaterialPool;

// A scene object read from an OBJ file: vertices, faces and the surfaces named
// by "usemtl" and "g" lines. Each vertex is scaled, moved by the offset and
// then turned about the vertical axis as it is read; the file's third
// coordinate is the height. An "F" line makes the textured triangles after it
// evenly lit. A model already read with the same pool, file and placement is
// shared, not read again.
class Mesh : public SceneObject {
  public:
    // Throws Exception "Unable to open the file" when the file cannot be read.
    Mesh(const char* fileName, MaterialPool* materialPool, float scale, SceneObject* parent,
         const Vector3& offset, float angle);
    ~Mesh() override;

    // Lines longer than this are skipped whole, so a file without line ends
    // cannot make the line buffer grow without bound.
    static constexpr int maxLineLength = 65536;
    // Coordinates are kept within this many units of the origin.
    static constexpr float coordinateLimit = 1.0e6f;

    // Shows the file's model, read with the same pool and placement, when the
    // object is distant. Takes nothing from the game's random sequence.
    void addLighterModel(const char* fileName);

  private:
    // The geometry of the file with this mesh's pool and placement, from the
    // pool's shelf or read now.
    std::shared_ptr<Geometry> model(const char* fileName);
    void readFile(const char* fileName);
    void processLine(const List<char>& line);
    void readVertex(const char* text);
    void readFace(const char* text);
    void useMaterial(const char* name);

    Geometry* reading = nullptr;
    // The surface that the faces read next are given; null drops them.
    MaterialBase* currentMaterial = nullptr;
    bool flatTextures = false;
    float scale;
    Vector3 offset;
    float angle;
    float sinAngle;
    float cosAngle;
};

}  // namespace vortimbal
