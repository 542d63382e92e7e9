// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "models/mesh.h"

namespace vortimbal {

class SnapshotReader;
class SnapshotWriter;

// Scenery: a bird that crosses the sky straight and level, then starts again
// over one of the city's edges.
class Bird : public Mesh {
  public:
    explicit Bird(MaterialPool* pool);

    void respawn();
    void update() override;
    PyramidShape makeFarShape() const override;
    void save(SnapshotWriter& out) const;
    void restore(SnapshotReader& in);

    int flightTime = 0;  // steps since the last respawn
    Vector3 flightVelocity;
};

}  // namespace vortimbal
