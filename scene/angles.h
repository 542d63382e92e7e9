// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/vector3.h"

namespace vortimbal {

// Uses 3.1415 for pi, as every angle in the game always has.
float degreesToRadians(float degrees);

// The unit forward direction of an object with the given rotation: yaw 0 faces
// +z, yaw 90 faces +x, positive pitch looks up. Roll is ignored.
Vector3 directionFromRotation(const Vector3& rotation);

}  // namespace vortimbal
