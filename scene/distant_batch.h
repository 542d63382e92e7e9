// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <vector>

#include "scene/vector3.h"

namespace vortimbal {

class SceneObject;

// Objects drawn with their lighter look, gathered during a frame and drawn
// together in one vertex array: far away a figure is a few dozen triangles,
// and six draws for its parts cost the renderer far more than the triangles.
class DistantBatch {
  public:
    // The batch that distant objects join while it is open; null otherwise.
    static DistantBatch* open;

    // Takes the object's and its parts' lighter looks, placed as they would be drawn.
    void add(const SceneObject& object);
    // Draws what was added since the last draw, then forgets it.
    void draw();

  private:
    void addPart(const SceneObject& part, const float (&turn)[3][3], const Vector3& at);

    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> colors;
    std::vector<unsigned> indices;
};

}  // namespace vortimbal
