// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/color.h"

namespace vortimbal {

// One OpenGL lamp. Its colours and position are set through the Color fields
// and reach OpenGL only with `upload`; the position is taken under the
// modelview matrix current at that moment.
class Light {
  public:
    // White everywhere, at (1, 1, 1, 1); off.
    explicit Light(unsigned int lightId);

    void upload() const;
    void enable();
    void disable();
    void toggle();

    unsigned int getLightId() const { return lightId; }
    bool isEnabled() const { return enabled; }

    Color position{1, 1, 1, 1};  // x, y, z, w; w = 1 for a lamp at a point
    Color ambient{1, 1, 1, 1};
    Color diffuse{1, 1, 1, 1};
    Color specular{1, 1, 1, 1};

  private:
    unsigned int lightId;
    bool enabled = false;
};

}  // namespace vortimbal
