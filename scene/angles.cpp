// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/angles.h"

#include "core/portable_math.h"

#include <cmath>

namespace vortimbal {

float degreesToRadians(float degrees) {
    return degrees * 3.1415f / 180.0f;
}

Vector3 directionFromRotation(const Vector3& rotation) {
    const float yaw = degreesToRadians(-rotation.y);
    const float pitch = degreesToRadians(rotation.x);
    return Vector3(-sine(yaw) * cosine(pitch), sine(pitch), cosine(yaw) * cosine(pitch));
}

}  // namespace vortimbal
