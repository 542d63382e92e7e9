// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/vector3.h"

namespace vortimbal {

// An axis-aligned cube spanning center ± size / 2 on each axis. The owner's
// rotation is never applied to it.
struct BoundingCube {
    Vector3 center;
    float size = 0;

    // True when the cubes overlap by more than half a unit on every axis; then
    // push points from this cube towards the other, by half this cube's size, on
    // each axis where the overlap is shallow (within 1.5 of an edge).
    bool overlaps(const BoundingCube& other, Vector3& push) const;
};

}  // namespace vortimbal
