#include "scene/transformable.h"

#include "control/camera.h"

namespace vortimbal {

void Transformable::applyTransform() {
    camera.frustum.translate(position);
    camera.frustum.rotate(rotation);
}

}  // namespace vortimbal
