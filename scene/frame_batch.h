// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <vector>

#include "scene/geometry.h"
#include "scene/vector3.h"

namespace vortimbal {

class SceneObject;

// Figures gathered during a frame and drawn together in a few vertex arrays,
// one for each finish their surfaces have: on a software renderer the draws
// for a figure's six parts cost far more than its triangles. A distant figure
// goes in with its lighter look, a near one with its faces as they draw
// themselves, each with its own normal.
class FrameBatch {
  public:
    // The batch that figures join while it is open; null otherwise.
    static FrameBatch* open;

    // Whether the object and its parts can be drawn in a batch as they look.
    static bool takes(const SceneObject& object);
    // Takes the object's and its parts' looks, placed as they would be drawn.
    void add(const SceneObject& object);
    // Draws what was added since the last draw, then forgets it.
    void draw();

  private:
    struct Group {
        Geometry::Finish finish;
        std::vector<float> positions;
        std::vector<float> normals;
        std::vector<float> colors;
        std::vector<unsigned> indices;
    };

    void addPart(const SceneObject& part, const float (&turn)[3][3], const Vector3& at);
    Group& groupFor(const Geometry::Finish& finish);

    std::vector<Group> groups;
};

}  // namespace vortimbal
