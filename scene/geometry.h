// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <vector>

#include "core/list.h"
#include "scene/bounding_cube.h"
#include "scene/face_list.h"
#include "scene/vector3.h"

namespace vortimbal {

class Face;

// The vertices and faces of one model, with their bounds, drawn through one
// display list. Every figure of a kind shows the same geometry, so it is read
// and compiled once and shared.
class Geometry {
  public:
    Geometry() = default;
    Geometry(const Geometry&) = delete;
    Geometry& operator=(const Geometry&) = delete;
    // Deletes the faces.
    ~Geometry();

    // Gives the vertex a shade drawn from the game's random sequence.
    void addVertex(const Vector3& v);
    void addFace(Face* face);
    void trimVertices() { vertices.trim(); }

    int vertexCount() const { return vertices.count(); }
    const List<Vector3>& getVertices() const { return vertices; }
    const List<Face*>& getFaces() const { return faces; }
    const Vector3& getMin() const { return min; }
    const Vector3& getMax() const { return max; }
    BoundingCube getCube() const { return cube; }
    // How many numbers reading it took from the game's random sequence: one
    // for each vertex and one for each face.
    int randomDraws() const { return vertices.count() + faces.count(); }

    void draw();

    // The faces as indexed triangles for one vertex array, each corner with
    // the colour it is drawn with. Faces without a plain colour (textured or
    // without a surface) are left out, and then `whole` is false.
    struct Corner {
        Vector3 position;
        Vector3 normal;
        float color[4];
    };
    // What a colour leaves to the material: specular, emission, shininess.
    struct Finish {
        float values[12];
        bool operator==(const Finish& other) const;
    };
    struct Triangles {
        std::vector<Corner> corners;
        std::vector<unsigned> indices;
        // Every face is in, and all share `finish`.
        bool whole = true;
        Finish finish{};
    };
    // Corners shared between faces, with the mean normal of their faces:
    // the lighter look, seen from afar. Made on first use.
    const Triangles& triangles();
    // Each face with corners of its own and its own normal: the look the faces
    // draw themselves with. Made on first use.
    const Triangles& flatTriangles();
    // flatTriangles() through a display list of their own that sets no
    // material, colour tracking or other state: the caller sets the finish
    // once for every part that shares it.
    void drawFlat();

  private:
    void drawFaces();

    // Empty at first: every scene object starts with a geometry of its own,
    // which a figure's parts give up at once for the shared one.
    List<Face*> faces{64, 0};
    List<Vector3> vertices{64, 0};
    Vector3 min{100000, 100000, 100000};
    Vector3 max{-100000, -100000, -100000};
    BoundingCube cube;
    FaceList faceList;
    FaceList flatList;
    void makeTriangles(Triangles& out, bool shareCorners);

    Triangles plain;
    Triangles flat;
    bool plainMade = false;
    bool flatMade = false;
};

}  // namespace vortimbal
