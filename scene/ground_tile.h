// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/color.h"
#include "scene/transformable.h"

namespace vortimbal {

// A square of the city's ground, green at the corners fading to ochre at the
// edge middles and the centre; only its outline when surfaces are hidden.
class GroundTile : public Shape {
  public:
    // Centred on (0, y, 0); the world turns it about the vertical axis.
    GroundTile(float halfSize, float y);

    void draw() override;

    float halfSize;
    Color innerColor{0.45f, 0.4f, 0.01f, 1.0f};
    Color cornerColor{0.1f, 0.4f, 0.0f, 1.0f};

  private:
    void drawOutline() const;
    void drawSurface() const;
    // The colour of the vertex at (x, 0, z), then the vertex.
    void corner(float x, float z) const;
};

}  // namespace vortimbal
