// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/color.h"
#include "scene/transformable.h"

namespace vortimbal {

// The edges of a cube around its centre: bounding cubes and collision markers.
class WireCubeShape : public Shape {
  public:
    WireCubeShape(const Vector3& centre, float size, const Color& color);

    void draw() override;

    float size;  // edge length
    Color color;
};

}  // namespace vortimbal
