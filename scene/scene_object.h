// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <memory>
#include <string>

#include "control/controller.h"
#include "core/array.h"
#include "core/list.h"
#include "scene/bounding_cube.h"
#include "scene/geometry.h"
#include "scene/pyramid_shape.h"
#include "scene/step_pose.h"
#include "scene/transformable.h"
#include "scene/vector3.h"

namespace vortimbal {

class Face;
class MaterialBase;
class MaterialPool;
class Octree;
class SnapshotReader;
class SnapshotWriter;

// Everything placed in the world: a mesh with children, bounding cubes, view
// culling and distance simplification. It is also its own controller, so its
// parent moves it, and it moves and separates its own children each step.
class SceneObject : public Shape, public Controller {
  public:
    enum { SceneObjectClass = 2 };

    SceneObject(MaterialPool* materialPool, SceneObject* parent);
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;
    // Deletes the children and the octree.
    ~SceneObject() override;

    int kind() const override { return SceneObjectKind; }
    // Applies the smoothed position and rotation that the object is drawn with.
    void applyTransform() override;
    void draw() override;
    void cull() override;
    virtual int classId() const { return SceneObjectClass; }
    // The pyramid drawn instead of the object when it is far from the camera.
    virtual PyramidShape makeFarShape() const;
    virtual bool isFar() const;
    // Whether the lighter geometry is drawn: the whole object is beyond a
    // distance, with a margin so that it does not flicker at the boundary.
    bool isDistant() const { return parent != nullptr ? parent->isDistant() : distant; }
    // Reacts to being shot; figures do.
    virtual void hit() {}

    // One step: this object's own motion, its children's steps and collisions.
    void update() override;

    // Children are owned. Scene objects among them also move as movers.
    void addChild(Transformable* child);
    // Gives the child up without deleting it; a stranger changes nothing.
    void removeChild(Transformable* child);
    void addVertex(const Vector3& v) { geometry->addVertex(v); }
    void addFace(Face* face) { geometry->addFace(face); }
    int vertexCount() const { return geometry->vertexCount(); }
    void trimVertices() { geometry->trimVertices(); }
    MaterialBase* findMaterial(const char* name) const;

    BoundingCube getLocalCube() const { return localCube; }
    BoundingCube getWorldCube() const { return worldCube; }
    BoundingCube getVertexCube() const { return geometry->getCube(); }
    const Vector3& getVertexMin() const { return geometry->getMin(); }
    const Vector3& getVertexMax() const { return geometry->getMax(); }
    // Recomputes the local cube from the vertices and the scene-object children.
    void updateCubes();
    // Shows geometry shared with other objects instead of its own.
    void share(std::shared_ptr<Geometry> shared) { geometry = std::move(shared); }
    // A simpler look for when the object is distant; null keeps the full one.
    void setLighterGeometry(std::shared_ptr<Geometry> lighter) {
        lighterGeometry = std::move(lighter);
    }
    const std::shared_ptr<Geometry>& getGeometry() const { return geometry; }
    const std::shared_ptr<Geometry>& getLighterGeometry() const { return lighterGeometry; }

    SceneObject* getParent() const { return parent; }
    const List<Transformable*>& getChildren() const { return children; }
    int moverCount() const { return movers.count(); }
    const List<Face*>& getFaces() const { return geometry->getFaces(); }
    const List<Vector3>& getVertices() const { return geometry->getVertices(); }
    Octree* getOctree() const { return octree; }
    bool isVisible() const { return visible; }

    std::string name = "noname";
    bool collideChildren = true;
    // Only dynamic objects are pushed out of others while the octree is in use.
    bool dynamic = false;
    Vector3 drawPosition;
    Vector3 drawRotation;

    // Before a step moves the drawn pose; after it jumps.
    void keepDrawnPose() { drawnPose.keep(drawPosition + glide, drawRotation + glideTurn); }
    void holdDrawnPose() { drawnPose.hold(drawPosition + glide, drawRotation + glideTurn); }
    // Put somewhere new: shown there at once, though the drawn copy glides
    // there as it always has (the rules' tests pin it).
    void placed();
    // Where this frame shows the object: between the last two steps.
    Vector3 shownPosition() const { return drawnPose.position(drawPosition + glide); }
    Vector3 shownRotation() const { return drawnPose.rotation(drawRotation + glideTurn); }

    // Where the object stands and is drawn; restored, it is shown there at once.
    void savePose(SnapshotWriter& out) const;
    void restorePose(SnapshotReader& in);
    // The tree the last step sorted the movers into (shots look through it),
    // each mover named by its place among them.
    void saveOctree(SnapshotWriter& out) const;
    void restoreOctree(SnapshotReader& in);

  protected:
    MaterialPool* materialPool;
    std::shared_ptr<Geometry> geometry = std::make_shared<Geometry>();
    std::shared_ptr<Geometry> lighterGeometry;
    SceneObject* parent;
    // Empty at first: a figure's parts have none, and a city holds thousands of them.
    List<Transformable*> children{64, 0};
    List<Controller*> movers{64, 0};
    List<int> moverKinds{64, 0};
    BoundingCube worldCube;
    BoundingCube localCube;
    Octree* octree = nullptr;
    // Collision markers of the last update, in triples.
    List<Vector3> debugPoints{64, 0};
    Array<int> resolveCounts{1};
    bool visible = true;
    bool distant = false;
    StepPose drawnPose;
    // What the drawn copy has still to glide since the object was placed;
    // shrinks as the copy eases, by the same share.
    Vector3 glide;
    Vector3 glideTurn;
    void easeGlide(float share);

  private:
    static Octree* newOctree();
    void drawMovementMarker() const;
    void drawCollisionMarkers() const;
    void updateDistance();
    bool joinsBatch() const;
    void drawSurfaces();
    void drawChildren();

    // Collision between children; see scene_object_motion.cpp.
    void moveChildrenWithOctree();
    void moveChildrenPairwise();
    // Pushes the object out of the other cube, which `push` (from overlaps) says it is in.
    void resolveInOctree(SceneObject* object, BoundingCube cube, const BoundingCube& other,
                         Vector3 push);
    bool resolveMover(int index);
    bool resolvePair(int index, SceneObject* object, SceneObject* other, BoundingCube cube);
    void addCollisionMarkers(const Vector3& center, const Vector3& push, const Vector3& correction);
};

}  // namespace vortimbal
