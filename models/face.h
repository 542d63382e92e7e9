// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <optional>

#include "core/array.h"
#include "core/list.h"
#include "models/material.h"
#include "scene/vector3.h"

namespace vortimbal {

// One drawable face of a mesh, indexing into the mesh's vertices. Faces in a
// row that OpenGL can take in one glBegin share it: begin() makes the surface
// and texturing ready where OpenGL still accepts them and opens the primitive,
// corners() sends what goes between glBegin and glEnd, end() closes it.
class Face {
  public:
    explicit Face(MaterialBase* surface);
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
    virtual ~Face() = default;

    // Which faces may share one glBegin: those of one batch, and textured ones
    // only with the same texture, since binding one is refused inside glBegin.
    enum Batch { Triangles, Quads, Textured, Alone };

    // Draws this face alone.
    void draw(const Array<Vector3>& vertices);
    // Whether this face may go on inside the glBegin that `open` began.
    bool joins(const Face& open) const;
    virtual Batch batch() const = 0;
    virtual void begin() const = 0;
    // Throws "Index out of bounds" for an index past the vertices, before any call.
    virtual void corners(const Array<Vector3>& vertices) = 0;
    virtual void end() const;
    // The vertex indices in the order the corners are sent.
    virtual int cornerCount() const = 0;
    virtual int cornerIndex(int i) const = 0;

    // 0.95 to 1.94 in steps of 0.01, drawn from the game's random sequence.
    float getBrightness() const { return brightness; }
    MaterialBase* getSurface() const { return surface; }

    // Every face sends its own normal, so its shade never depends on the face
    // drawn before it. Made from the corners on first use and kept; a face
    // without area gets (0, 1, 0). Throws "Index out of bounds" like corners().
    const Vector3& normal(const Array<Vector3>& vertices);
    // The kept normal; null before the first use.
    const Vector3* getNormal() const { return kept ? &*kept : nullptr; }

  protected:
    // Does nothing without a surface.
    void applySurface(float factor) const;

    MaterialBase* surface;
    float brightness;

  private:
    std::optional<Vector3> kept;
};

class ThreeVertexFace : public Face {
  public:
    ThreeVertexFace(int a, int b, int c, MaterialBase* surface);

    int cornerCount() const override { return 3; }
    int cornerIndex(int i) const override { return i == 0 ? a : i == 1 ? b : c; }

  protected:
    int a, b, c;
};

class Triangle : public ThreeVertexFace {
  public:
    using ThreeVertexFace::ThreeVertexFace;
    Batch batch() const override { return Triangles; }
    void begin() const override;
    void corners(const Array<Vector3>& vertices) override;
};

// The face's brightness is not used: each corner's shade is.
class Quad : public Face {
  public:
    Quad(int a, int b, int c, int d, MaterialBase* surface);
    Batch batch() const override { return Quads; }
    void begin() const override;
    void corners(const Array<Vector3>& vertices) override;
    int cornerCount() const override { return 4; }
    int cornerIndex(int i) const override { return i == 0 ? a : i == 1 ? b : i == 2 ? c : d; }

  private:
    int a, b, c, d;
};

// Any number of vertices, in the list's order. Always alone.
class Polygon : public Face {
  public:
    Polygon(const List<int>& indices, MaterialBase* surface);
    Batch batch() const override { return Alone; }
    void begin() const override;
    void corners(const Array<Vector3>& vertices) override;
    int cornerCount() const override { return indices.count(); }
    int cornerIndex(int i) const override { return indices.get(i); }

  private:
    List<int> indices;
};

// A triangle of a texture; texturing is on only between its begin and end.
class TextureFace : public ThreeVertexFace {
  public:
    using ThreeVertexFace::ThreeVertexFace;
    Batch batch() const override { return Textured; }
    void end() const override;
};

// A textured triangle lit evenly: the surface is applied once, without shades.
class FlatTexturedTriangle : public TextureFace {
  public:
    using TextureFace::TextureFace;
    void begin() const override;
    void corners(const Array<Vector3>& vertices) override;
};

// A textured triangle whose brightness follows its vertices' shades.
class TexturedTriangle : public TextureFace {
  public:
    using TextureFace::TextureFace;
    void begin() const override;
    void corners(const Array<Vector3>& vertices) override;
};

}  // namespace vortimbal
