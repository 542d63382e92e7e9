// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cmath>

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
    // Inline: a step with many figures calls it millions of times.
    bool overlaps(const BoundingCube& other, Vector3& push) const {
        const float half = size / 2;
        const float limit = (size + other.size - 1) / 2;
        float px = 0, py = 0, pz = 0;
        // Each axis can end it early.
        if (overlapOnAxis(other.center.x - center.x, limit, half, px) &&
            overlapOnAxis(other.center.y - center.y, limit, half, py) &&
            overlapOnAxis(other.center.z - center.z, limit, half, pz)) {
            push = Vector3(px, py, pz);
            return true;
        }
        return false;
    }

  private:
    // One axis of the test: whether the centres are close enough, and the push.
    static bool overlapOnAxis(float d, float limit, float half, float& push) {
        constexpr float edgeBand = 1.5f;
        if (!(-limit < d && d < limit)) {
            return false;
        }
        if (std::fabs(d - limit) < edgeBand) {
            push += half;
        } else if (std::fabs(d + limit) < edgeBand) {
            push -= half;
        }
        return true;
    }
};

}  // namespace vortimbal
