// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/color.h"
#include "scene/transformable.h"

namespace vortimbal {

// Four sloping sides on a square base that stands on its corners; the base is
// not drawn. Stands in for an object too far away to draw in full.
class PyramidShape : public Shape {
  public:
    PyramidShape(const Vector3& centre, float height, float halfWidth, const Color& color);

    void draw() override;

    float height;     // of the apex above the position
    float halfWidth;  // from the position to each base corner
    Color color;
};

}  // namespace vortimbal
