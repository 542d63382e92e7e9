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
// evenly lit.
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

    MaterialBase* getCurrentMaterial() const { return currentMaterial; }
    bool usesFlatTextures() const { return flatTextures; }

  protected:
    // The surface that the faces read next are given; null drops them.
    MaterialBase* currentMaterial;
    bool flatTextures = false;

  private:
    void processLine(const List<char>& line);
    void readVertex(const char* text);
    void readFace(const char* text);
    void useMaterial(const char* name);

    float scale;
    Vector3 offset;
    float sinAngle;
    float cosAngle;
};

}  // namespace vortimbal
