// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/transformable.h"

#include "control/camera.h"

namespace vortimbal {

void Transformable::applyTransform() {
    camera.frustum.translate(position);
    camera.frustum.rotate(rotation);
}

}  // namespace vortimbal
