// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/vector3.h"

namespace vortimbal {

// Anything with a position and a rotation that it can apply to the modelview
// matrix. The transform goes through the camera's frustum, which then knows
// its planes must be extracted again.
class Transformable {
  public:
    enum Kind { PlainKind = 0, ShapeKind = 1, SceneObjectKind = 2 };

    virtual ~Transformable() = default;

    virtual int kind() const { return PlainKind; }
    virtual Vector3 getPosition() const { return position; }
    virtual void applyTransform();

    Vector3 position;
    Vector3 rotation;  // degrees about X, Y and Z, applied in that order
};

// A Transformable that can draw itself.
class Shape : public Transformable {
  public:
    int kind() const override { return ShapeKind; }
    virtual void draw() = 0;
    virtual void cull() {}
};

}  // namespace vortimbal
