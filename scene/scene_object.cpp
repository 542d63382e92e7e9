// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/scene_object.h"

#include <GL/gl.h>

#include <algorithm>

#include "control/camera.h"
#include "models/material_pool.h"
#include "scene/debug_line.h"
#include "scene/frame_batch.h"
#include "scene/octree.h"
#include "scene/switches.h"
#include "scene/wire_cube_shape.h"

namespace vortimbal {

namespace {

constexpr float drawDistanceLimit = 250;
constexpr float farFactor = 30;
constexpr float cullFactor = 1.5f;
// Objects with a lighter look take it beyond the first distance and give it up
// within the second.
constexpr float lighterBeyond = 22;
constexpr float fullWithin = 18;
const Color markerWhite(1, 1, 1, 1);
const Color markerTip(1, 1, 0.7f, 1);
const Color collisionColor(1, 0.5f, 0.5f, 1);
const Color cubeYellow(1, 1, 0, 1);
const Color farColor(0.3f, 0.3f, 0.2f, 1);

float largestExtent(const Vector3& lo, const Vector3& hi) {
    return std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
}

// Index of the last element equal to x among the first `count`, or -1.
template <typename T>
int lastIndexOf(const List<T>& list, const T& x) {
    for (int i = list.count() - 1; i >= 0; --i) {
        if (list.get(i) == x) {
            return i;
        }
    }
    return -1;
}

}  // namespace

SceneObject::SceneObject(MaterialPool* materialPool, SceneObject* parent)
    : Controller(this), materialPool(materialPool), parent(parent) {}

SceneObject::~SceneObject() {
    for (int i = 0; i < children.count(); ++i) {
        delete children.get(i);
    }
    delete octree;
}

void SceneObject::applyTransform() {
    camera.frustum.translate(shownPosition());
    camera.frustum.rotate(shownRotation());
}

void SceneObject::placed() {
    glide = position - drawPosition;
    glideTurn = rotation - drawRotation;
    holdDrawnPose();
}

void SceneObject::easeGlide(float share) {
    constexpr float gone = 1e-8f;
    glide = glide.lengthSquared() > gone ? glide * share : Vector3();
    glideTurn = glideTurn.lengthSquared() > gone ? glideTurn * share : Vector3();
}

void SceneObject::addChild(Transformable* child) {
    children.add(child);
    if (child->kind() == SceneObjectKind) {
        movers.add(static_cast<SceneObject*>(child));
        moverKinds.add(SceneObjectKind);
    }
}

void SceneObject::removeChild(Transformable* child) {
    if (child->kind() == SceneObjectKind) {
        const int mover = lastIndexOf<Controller*>(movers, static_cast<SceneObject*>(child));
        if (mover >= 0) {
            movers.removeAt(mover);
            moverKinds.removeAt(mover);
        }
    }
    const int index = lastIndexOf(children, child);
    if (index >= 0) {
        children.removeAt(index);
    }
}

MaterialBase* SceneObject::findMaterial(const char* name) const {
    return materialPool == nullptr ? nullptr : materialPool->find(name);
}

void SceneObject::updateCubes() {
    Vector3 lo = geometry->getMin();
    Vector3 hi = geometry->getMax();
    for (int i = 0; i < children.count(); ++i) {
        Transformable* child = children.get(i);
        if (child->kind() != SceneObjectKind) {
            continue;
        }
        const BoundingCube c = static_cast<SceneObject*>(child)->localCube;
        const Vector3 p = child->position;
        // The child's whole size on each side: generous on purpose.
        hi = Vector3(std::max(hi.x, c.center.x + p.x + c.size),
                     std::max(hi.y, c.center.y + p.y + c.size),
                     std::max(hi.z, c.center.z + p.z + c.size));
        lo = Vector3(std::min(lo.x, c.center.x + p.x - c.size),
                     std::min(lo.y, c.center.y + p.y - c.size),
                     std::min(lo.z, c.center.z + p.z - c.size));
    }
    // With no vertices and no such children the bounds cancel out: centre 0, size 0.
    localCube.center = (hi + lo) / 2;
    localCube.size = std::max(geometry->getCube().size, largestExtent(lo, hi));
    worldCube = localCube;
    worldCube.center = localCube.center + position;
}

void SceneObject::cull() {
    visible = true;
    if (!useClipping || parent != nullptr) {
        return;
    }
    camera.frustum.refresh();
    visible = camera.frustum.cubeInside(worldCube.center.x, worldCube.center.y, worldCube.center.z,
                                        cullFactor * worldCube.size);
}

bool SceneObject::isFar() const {
    if (parent != nullptr) {
        return parent->isFar();
    }
    const float limit = farFactor * localCube.size;
    return (camera.position - position).lengthSquared() > limit * limit;
}

PyramidShape SceneObject::makeFarShape() const {
    const float s = localCube.size;
    return PyramidShape(localCube.center, 0.75f * s, 0.85f * s, farColor);
}

void SceneObject::draw() {
    if (position.length() > drawDistanceLimit) {
        return;
    }
    if (showBoundingCubes) {
        drawMovementMarker();
    }
    if (parent == nullptr) {
        updateDistance();
    }
    if (joinsBatch()) {
        FrameBatch::open->add(*this);
        return;
    }
    glPushMatrix();
    applyTransform();
    if (showBoundingCubes) {
        drawCollisionMarkers();
    }
    if (visible) {
        if (showBoundingCubes) {
            WireCubeShape(localCube.center, localCube.size, cubeYellow).draw();
        }
        if (showSurfaces) {
            drawSurfaces();
        }
        drawChildren();
    }
    glPopMatrix();
}

void SceneObject::drawMovementMarker() const {
    const Vector3 from = position + localCube.center;
    const Vector3 to = from + velocity * 10;
    DebugLine(from, to, markerWhite).draw();
    WireCubeShape(to, 0.1f, markerTip).draw();
}

void SceneObject::drawCollisionMarkers() const {
    for (int i = 0; i + 2 < debugPoints.count(); i += 3) {
        WireCubeShape(debugPoints.get(i), 0.3f, collisionColor).draw();
        DebugLine(debugPoints.get(i + 1), debugPoints.get(i + 2), collisionColor).draw();
    }
}

// An object with nothing but its surfaces to show is drawn with the frame's
// batch when the batch can show it as it looks.
bool SceneObject::joinsBatch() const {
    return FrameBatch::open != nullptr && parent == nullptr && visible && showSurfaces &&
           !showBoundingCubes && !isFar() && FrameBatch::takes(*this);
}

void SceneObject::updateDistance() {
    const float d2 = (camera.position - position).lengthSquared();
    if (d2 > lighterBeyond * lighterBeyond) {
        distant = true;
    } else if (d2 < fullWithin * fullWithin) {
        distant = false;
    }
}

void SceneObject::drawSurfaces() {
    if (!isFar()) {
        (lighterGeometry != nullptr && isDistant() ? lighterGeometry : geometry)->draw();
    } else if (parent == nullptr) {
        makeFarShape().draw();
    }
}

// Children are shapes in practice; a plain Transformable has nothing to draw.
// Its kind tells, for less than a dynamic_cast on every child each frame.
void SceneObject::drawChildren() {
    const auto shapeAt = [this](int i) {
        Transformable* child = children.get(i);
        return child->kind() != PlainKind ? static_cast<Shape*>(child) : nullptr;
    };
    for (int i = children.count() - 1; i >= 0; --i) {
        if (Shape* shape = shapeAt(i)) {
            shape->cull();
        }
    }
    for (int i = children.count() - 1; i >= 0; --i) {
        if (Shape* shape = shapeAt(i)) {
            shape->draw();
        }
    }
}

}  // namespace vortimbal
