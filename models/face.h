#pragma once

#include <optional>

#include "core/array.h"
#include "core/list.h"
#include "models/material.h"
#include "scene/vector3.h"

namespace vortimbal {

// One drawable face of a mesh, indexing into the mesh's vertices. Every face
// makes its surface current before glBegin, where OpenGL still accepts texture
// binding; between glBegin and glEnd it only rescales the surface per vertex.
class Face {
  public:
    explicit Face(MaterialBase* surface);
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
    virtual ~Face() = default;

    // Throws "Index out of bounds" for an index past the vertices, before any drawing.
    virtual void draw(const Array<Vector3>& vertices) = 0;

    // 0.95 to 1.94 in steps of 0.01, drawn from the game's random sequence.
    float getBrightness() const { return brightness; }
    MaterialBase* getSurface() const { return surface; }

  protected:
    // Does nothing without a surface.
    void applySurface(float factor) const;

    MaterialBase* surface;
    float brightness;
};

// A face of three vertices, whose normal is computed on its first draw and kept.
class ThreeVertexFace : public Face {
  public:
    ThreeVertexFace(int a, int b, int c, MaterialBase* surface);

    // The kept normal; null before the first draw.
    const Vector3* getNormal() const { return normal ? &*normal : nullptr; }

  protected:
    // Keeps the first normal; a triangle without area gets (0, 1, 0).
    const Vector3& normalFor(const Vector3& A, const Vector3& B, const Vector3& C);

    int a, b, c;

  private:
    std::optional<Vector3> normal;
};

class Triangle : public ThreeVertexFace {
  public:
    using ThreeVertexFace::ThreeVertexFace;
    void draw(const Array<Vector3>& vertices) override;
};

// Sends no normal: the current one applies. The face's brightness is not used.
class Quad : public Face {
  public:
    Quad(int a, int b, int c, int d, MaterialBase* surface);
    void draw(const Array<Vector3>& vertices) override;

  private:
    int a, b, c, d;
};

// Any number of vertices, in the list's order; sends no normal.
class Polygon : public Face {
  public:
    Polygon(const List<int>& indices, MaterialBase* surface);
    void draw(const Array<Vector3>& vertices) override;

  private:
    List<int> indices;
};

// A textured triangle lit evenly: the surface is applied once, without shades.
class FlatTexturedTriangle : public ThreeVertexFace {
  public:
    using ThreeVertexFace::ThreeVertexFace;
    void draw(const Array<Vector3>& vertices) override;
};

// A textured triangle whose brightness follows its vertices' shades.
class TexturedTriangle : public ThreeVertexFace {
  public:
    using ThreeVertexFace::ThreeVertexFace;
    void draw(const Array<Vector3>& vertices) override;
};

}  // namespace vortimbal
