// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <vector>

#include "scene/color.h"
#include "scene/transformable.h"

namespace vortimbal {

// A square of the city's ground, green at the corners fading to ochre at the
// edge middles and the centre; only its outline when surfaces are hidden.
class GroundTile : public Shape {
  public:
    // Centred on (0, y, 0); the world turns it about the vertical axis.
    GroundTile(float halfSize, float y);

    // With surfaces shown, joins the open GroundBatch, or is a batch of one.
    void draw() override;

    float halfSize;
    Color innerColor{0.45f, 0.4f, 0.01f, 1.0f};
    Color cornerColor{0.1f, 0.4f, 0.0f, 1.0f};

  private:
    friend class GroundBatch;

    void drawOutline() const;
    // The surface's eight triangles, placed and turned on the CPU as the
    // matrices would; within the caller's glBegin(GL_TRIANGLES).
    void sendPlacedTriangles() const;
};

// The tiles of a frame drawn as one run of triangles under one material: on a
// software renderer each glBegin and each change of material costs far more
// than a tile's corners.
class GroundBatch {
  public:
    // The batch that tiles join while it is open; null otherwise.
    static GroundBatch* open;

    void add(const GroundTile& tile) { tiles.push_back(&tile); }
    // Draws the tiles added since the last draw, then forgets them.
    void draw();

  private:
    std::vector<const GroundTile*> tiles;
};

}  // namespace vortimbal
