// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <vector>

#include "scene/geometry.h"
#include "scene/vector3.h"

namespace vortimbal {

class SceneObject;

// Figures gathered during a frame and drawn together, by the finish their
// surfaces have: on a software renderer every change of material makes it
// check its whole state again. A distant figure goes in one vertex array with
// its lighter look; a near one's parts are drawn through display lists of
// their faces alone, each face with its own normal, under one material for
// all that share it (faster here than turning their corners on the CPU).
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
    // A near part drawn through its own display list, placed by `place`.
    struct NearPart {
        Geometry* geometry;
        float place[16];
    };
    struct Group {
        Geometry::Finish finish;
        std::vector<NearPart> nearParts;  // not "near": a macro of windows.h
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
