// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/bounding_cube.h"

#include <cmath>

namespace vortimbal {

namespace {

constexpr float edgeBand = 1.5f;

// One axis of the test: whether the centres are close enough, and the push.
bool overlapOnAxis(float d, float limit, float half, float& push) {
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

}  // namespace

// Called for every pair the octree finds near, so each axis can end it early.
bool BoundingCube::overlaps(const BoundingCube& other, Vector3& push) const {
    const float half = size / 2;
    const float limit = (size + other.size - 1) / 2;
    Vector3 p;
    if (overlapOnAxis(other.center.x - center.x, limit, half, p.x) &&
        overlapOnAxis(other.center.y - center.y, limit, half, p.y) &&
        overlapOnAxis(other.center.z - center.z, limit, half, p.z)) {
        push = p;
        return true;
    }
    return false;
}

}  // namespace vortimbal
