// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/vector3.h"

namespace vortimbal {

// The view's six clip planes, mirrored from the OpenGL matrices. Every
// translation and rotation of the modelview matrix goes through here, so the
// planes are extracted again only when the matrices have really changed.
class Frustum {
  public:
    enum Plane { Right, Left, Bottom, Top, Far, Near, PlaneCount };

    // glTranslatef unless v is zero; the planes are stale either way.
    void translate(const Vector3& v);
    // glRotatef about X, then Y, then Z, unless v is zero as a whole.
    void rotate(const Vector3& v);
    // Extracts the planes from the current matrices if they are stale.
    void refresh();
    // False only when one plane has all eight corners (x ± h, y ± h, z ± h) outside
    // it; a corner on the plane counts as outside.
    bool cubeInside(float x, float y, float z, float h) const;

    bool isDirty() const { return dirty; }
    // The plane as (a, b, c, d), with a·x + b·y + c·z + d > 0 inside.
    const float* plane(Plane which) const { return planes[which]; }

  private:
    float planes[PlaneCount][4] = {};
    bool dirty = false;
};

}  // namespace vortimbal
