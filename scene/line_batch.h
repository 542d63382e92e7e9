// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <vector>

#include "scene/color.h"
#include "scene/vector3.h"

namespace vortimbal {

// Wire cubes and marker lines gathered during a frame and drawn in one go: on
// a software renderer each glBegin costs far more than its few corners. Each
// corner is kept in eye space with the normal and colour it would have been
// drawn with, so the lit lines look as they do drawn one by one.
class LineBatch {
  public:
    // The batch that wire cubes and marker lines join while it is open; null otherwise.
    static LineBatch* open;

    // The edges glutWireCube draws, face by face with each face's normal, in
    // the current modelview frame.
    void addCube(const Vector3& centre, float size, const Color& color);
    // A line in the current frame, with the current normal as glBegin would take it.
    void addLine(const Vector3& from, const Vector3& to, const Color& color);
    // Draws what was added since the last draw, then forgets it.
    void draw();

  private:
    void addCorner(const float (&view)[16], const Vector3& at, const Vector3& normal,
                   const Color& color);

    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> colors;
    std::vector<unsigned> indices;
};

}  // namespace vortimbal
