// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// The step of a scene object: its own motion, then its children's steps and
// the pushes that keep their cubes apart.

#include <initializer_list>
#include <memory>

#include "scene/octree.h"
#include "scene/scene_object.h"
#include "scene/switches.h"

namespace vortimbal {

namespace {

constexpr int octreeDepth = 3;
const Vector3 octreeCenter(0, 8, 0);
constexpr float octreeSize = 100;
constexpr int maxPasses = 2;
constexpr int maxResolveRounds = 2;
constexpr float velocityThreshold = 0.01f;
constexpr float coarseStep = 0.01f;
constexpr float fineStep = 0.001f;
constexpr float smoothing = 5;
// Bounds every stepping loop: a push always ends the overlap long before this.
constexpr int maxSteps = 100000;

SceneObject* ownerOf(Controller* mover) {
    return static_cast<SceneObject*>(mover);
}

// The part of the velocity that drives into the obstacle, axis by axis.
Vector3 velocityCorrection(const Vector3& push, const Vector3& velocity) {
    auto axis = [](float p, float v) {
        const bool into = (p > velocityThreshold && v > velocityThreshold) ||
                          (p < -velocityThreshold && v < -velocityThreshold);
        return into ? v : 0.0f;
    };
    return Vector3(axis(push.x, velocity.x), axis(push.y, velocity.y), axis(push.z, velocity.z));
}

Vector3 towardsPush(const Vector3& push) {
    return push.length() > velocityThreshold ? push.normalized() : push;
}

// The tree of the step before last, emptied and filled again: every tree has
// the same bounds, and making its cells anew each step cost a tenth of the step.
std::unique_ptr<Octree> spareTree;

}  // namespace

void SceneObject::update() {
    keepDrawnPose();
    resolveCounts.resize(movers.count());
    for (int i = 0; i < resolveCounts.size(); ++i) {
        resolveCounts.at(i) = 0;
    }
    debugPoints.clear();
    updateCubes();
    Controller::update();
    if (collideChildren && useOctrees && movers.count() == 0) {
        // Nothing to sort into a tree: each bird and house would make and
        // free an empty one every step.
        delete octree;
        octree = nullptr;
    } else if (collideChildren && useOctrees) {
        moveChildrenWithOctree();
    } else if (collideChildren) {
        // A tree left from before would go stale while it is not rebuilt.
        delete octree;
        octree = nullptr;
        moveChildrenPairwise();
    } else {
        for (int i = 0; i < movers.count(); ++i) {
            movers.get(i)->update();
        }
    }
    drawPosition = (position + drawPosition * smoothing) / (smoothing + 1);
    drawRotation = (rotation + drawRotation * smoothing) / (smoothing + 1);
    easeGlide(smoothing / (smoothing + 1));
}

Octree* SceneObject::newOctree() {
    return new Octree(octreeDepth, octreeCenter, octreeSize);
}

void SceneObject::moveChildrenWithOctree() {
    // Owned here until stored, so a mover's step that throws does not leak it.
    // The last step's tree stays whole until then: shots fired in the movers'
    // steps look through it.
    std::unique_ptr<Octree> tree = std::move(spareTree);
    if (tree == nullptr) {
        tree.reset(newOctree());
    }
    tree->clear();
    // Backwards, and the kind read first: a mover may leave this object in its step.
    for (int i = movers.count() - 1; i >= 0; --i) {
        Controller* mover = movers.get(i);
        const int moverKind = moverKinds.get(i);
        mover->update();
        if (mover->collides() && moverKind == SceneObjectKind) {
            tree->insert(ownerOf(mover)->worldCube, ownerOf(mover));
        }
    }
    const Array<List<SceneObject*>*> leaves = tree->collectLeaves();
    bool again = true;
    for (int pass = 0; again && pass < maxPasses; ++pass) {
        again = false;
        for (int l = leaves.size() - 1; l >= 0; --l) {
            const List<SceneObject*>& objects = *leaves.get(l);
            const int count = objects.count();
            if (count < 2) {
                continue;
            }
            // Every pair of a crowded leaf is looked at: the elements unchecked
            // (the count is within the storage) and the test inline.
            SceneObject* const* const inLeaf = objects.data();
            for (int j = count - 1; j >= 0; --j) {
                SceneObject* object = inLeaf[j];
                if (!object->dynamic) {
                    continue;
                }
                const BoundingCube cube = object->worldCube;
                for (int k = count - 1; k >= 0; --k) {
                    Vector3 push;
                    if (k != j && cube.overlaps(inLeaf[k]->worldCube, push)) {
                        resolveInOctree(object, cube, inLeaf[k]->worldCube, push);
                        again = true;
                    }
                }
            }
        }
    }
    spareTree.reset(octree);
    octree = tree.release();
}

void SceneObject::resolveInOctree(SceneObject* object, BoundingCube cube, const BoundingCube& other,
                                  Vector3 push) {
    const Vector3 correction = velocityCorrection(push, object->velocity);
    addCollisionMarkers(cube.center, push, correction);
    Vector3 total;
    if (cube.size > 0) {
        // Back out in ever finer steps until the cubes only just touch.
        for (float divisor : {10.0f, 100.0f, 1000.0f, 10000.0f}) {
            Vector3 step = push / (cube.size * divisor);
            for (int n = 0; n < maxSteps; ++n) {
                total += step;
                cube.center -= step;
                if (!cube.overlaps(other, push) || push.isZero()) {
                    break;
                }
                step = push / (cube.size * divisor);
            }
            total -= step;
            cube.center += step;
        }
    }
    object->position -= total;
    object->updateCubes();
    object->velocity -= correction;
}

void SceneObject::moveChildrenPairwise() {
    for (int i = 0; i < movers.count();) {
        Controller* mover = movers.get(i);
        mover->update();
        // A mover that left during its step gave its slot to the last one,
        // which has still to take its own step.
        if (i < movers.count() && movers.get(i) == mover) {
            resolveMover(i);
            ++i;
        }
    }
}

bool SceneObject::resolveMover(int index) {
    if (moverKinds.get(index) != SceneObjectKind) {
        return true;
    }
    if (index >= resolveCounts.size()) {
        return false;
    }
    if (++resolveCounts.at(index) > maxResolveRounds) {
        return false;
    }
    SceneObject* object = ownerOf(movers.get(index));
    const BoundingCube cube = object->worldCube;
    for (int j = 0; j < movers.count(); ++j) {
        if (j != index && moverKinds.get(j) == SceneObjectKind &&
            !resolvePair(index, object, ownerOf(movers.get(j)), cube)) {
            return false;
        }
    }
    return true;
}

bool SceneObject::resolvePair(int index, SceneObject* object, SceneObject* other,
                              BoundingCube cube) {
    const BoundingCube obstacle = other->worldCube;
    Vector3 push;
    if (!cube.overlaps(obstacle, push)) {
        return true;
    }
    const Vector3 correction = velocityCorrection(push, object->velocity);
    addCollisionMarkers(cube.center, push, correction);

    // Coarse steps out, then back to the last overlapping place.
    Vector3 saved = object->position;
    for (int n = 0; n < maxSteps; ++n) {
        saved = object->position;
        push = towardsPush(push);
        object->position -= push * coarseStep;
        object->updateCubes();
        cube = object->worldCube;
        if (!cube.overlaps(obstacle, push) || push.length() <= 0) {
            break;
        }
    }
    object->position = saved;
    object->updateCubes();
    cube = object->worldCube;

    for (int n = 0; n < maxSteps; ++n) {
        push = towardsPush(push);
        object->position -= push * fineStep;
        object->updateCubes();
        cube = object->worldCube;
        if (!cube.overlaps(obstacle, push) || push.length() <= 0) {
            break;
        }
    }
    object->velocity -= correction;
    return resolveMover(index);
}

void SceneObject::addCollisionMarkers(const Vector3& center, const Vector3& push,
                                      const Vector3& correction) {
    auto mark = [&](const Vector3& tip) {
        debugPoints.add(center);
        debugPoints.add(center);
        debugPoints.add(tip);
    };
    if (push.x > 0.1f)
        mark(center + Vector3(3, 0, 0));
    if (push.x < -0.01f)
        mark(center - Vector3(3, 0, 0));
    if (push.y > 0.01f)
        mark(center + Vector3(0, 3, 0));
    if (push.y < -0.01f)
        mark(center - Vector3(0, 3, 0));
    if (push.z > 0.01f)
        mark(center + Vector3(0, 0, 3));
    if (push.z < -0.01f)
        mark(center - Vector3(0, 0, 3));
    debugPoints.add(center + push);
    debugPoints.add(center);
    debugPoints.add(center + correction * 10);
}

}  // namespace vortimbal
