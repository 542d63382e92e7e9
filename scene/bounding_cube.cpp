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

bool BoundingCube::overlaps(const BoundingCube& other, Vector3& push) const {
    const float half = size / 2;
    const Vector3 d = other.center - center;
    const float limit = (size + other.size - 1) / 2;
    Vector3 p;
    const bool x = overlapOnAxis(d.x, limit, half, p.x);
    const bool y = overlapOnAxis(d.y, limit, half, p.y);
    const bool z = overlapOnAxis(d.z, limit, half, p.z);
    if (x && y && z) {
        push = p;
        return true;
    }
    return false;
}

}  // namespace vortimbal
