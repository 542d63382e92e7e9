// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/color.h"
#include "scene/vector3.h"

namespace vortimbal {

// A marker line of the debug display, drawn in whatever frame is current.
class DebugLine {
  public:
    DebugLine(const Vector3& from, const Vector3& to, const Color& color);

    void draw() const;

    Vector3 from;
    Vector3 to;
    Color color;
};

}  // namespace vortimbal
