// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/step_pose.h"

#include <cmath>

namespace vortimbal {

long StepPose::step = 0;
float StepPose::fraction = 1;

Vector3 StepPose::position(const Vector3& now) const {
    if (!between()) {
        return now;
    }
    Vector3 shown = lastPosition + (now - lastPosition) * fraction;
    shown.shade = now.shade;
    return shown;
}

Vector3 StepPose::rotation(const Vector3& now) const {
    if (!between()) {
        return now;
    }
    const auto turn = [](float from, float to) {
        float by = to - from;
        // Rarely needed, and the remainder costs more than the rest of a part.
        if (by > 180 || by < -180) {
            by = std::remainder(by, 360.0f);
        }
        return from + by * fraction;
    };
    Vector3 shown = now;
    shown.x = turn(lastRotation.x, now.x);
    shown.y = turn(lastRotation.y, now.y);
    shown.z = turn(lastRotation.z, now.z);
    return shown;
}

}  // namespace vortimbal
