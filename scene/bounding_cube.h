#pragma once

#include "scene/vector3.h"

namespace vortimbal {

// An axis-aligned cube spanning center ± size / 2 on each axis. The owner's
// rotation is never applied to it.
struct BoundingCube {
    Vector3 center;
    float size = 0;
};

}  // namespace vortimbal
