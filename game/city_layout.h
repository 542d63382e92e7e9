// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/vector3.h"

namespace vortimbal {

// Where a house model goes: read with its scale, offset and angle about the
// vertical axis, then moved to its position.
struct HousePlacement {
    const char* file;
    float scale;
    Vector3 offset;
    float angle;
    Vector3 position;
};

constexpr int cityHouseCount = 6;
extern const HousePlacement cityHouses[cityHouseCount];

}  // namespace vortimbal
