#pragma once

#include <string>

#include "control/controller.h"
#include "core/array.h"
#include "core/list.h"
#include "scene/bounding_cube.h"
#include "scene/face_list.h"
#include "scene/pyramid_shape.h"
#include "scene/transformable.h"
#include "scene/vector3.h"

namespace vortimbal {

class Face;
class MaterialBase;
class MaterialPool;
class Octree;

// Everything placed in the world: a mesh with children, bounding cubes, view
// culling and distance simplification. It is also its own controller, so its
// parent moves it, and it moves and separates its own children each step.
class SceneObject : public Shape, public Controller {
  public:
    enum { SceneObjectClass = 2 };

    SceneObject(MaterialPool* materialPool, SceneObject* parent);
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;
    // Deletes the faces, the children and the octree.
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
    // Reacts to being shot; figures do.
    virtual void hit() {}

    // One step: this object's own motion, its children's steps and collisions.
    void update() override;

    // Children are owned. Scene objects among them also move as movers.
    void addChild(Transformable* child);
    // Gives the child up without deleting it; a stranger changes nothing.
    void removeChild(Transformable* child);
    void addVertex(const Vector3& v);
    void addFace(Face* face);
    int vertexCount() const { return vertices.count(); }
    void trimVertices() { vertices.trim(); }
    MaterialBase* findMaterial(const char* name) const;

    BoundingCube getLocalCube() const { return localCube; }
    BoundingCube getWorldCube() const { return worldCube; }
    BoundingCube getVertexCube() const { return vertexCube; }
    // Recomputes the local cube from the vertices and the scene-object children.
    void updateCubes();
    // Frees the compiled faces of this object and its children, which are no
    // longer drawn; they would compile again if they were.
    void releaseFaceLists();

    SceneObject* getParent() const { return parent; }
    const List<Transformable*>& getChildren() const { return children; }
    int moverCount() const { return movers.count(); }
    const List<Face*>& getFaces() const { return faces; }
    const List<Vector3>& getVertices() const { return vertices; }
    Octree* getOctree() const { return octree; }
    bool isVisible() const { return visible; }

    std::string name = "noname";
    bool collideChildren = true;
    // Only dynamic objects are pushed out of others while the octree is in use.
    bool dynamic = false;
    Vector3 drawPosition;
    Vector3 drawRotation;

  protected:
    MaterialPool* materialPool;
    List<Face*> faces{64};
    List<Vector3> vertices{64};
    SceneObject* parent;
    List<Transformable*> children{64};
    List<Controller*> movers{64};
    List<int> moverKinds{64};
    Vector3 vertexMin{100000, 100000, 100000};
    Vector3 vertexMax{-100000, -100000, -100000};
    BoundingCube vertexCube;
    BoundingCube worldCube;
    BoundingCube localCube;
    Octree* octree = nullptr;
    // Collision markers of the last update, in triples.
    List<Vector3> debugPoints{64};
    Array<int> resolveCounts{1};
    bool visible = true;
    FaceList faceList;

  private:
    void drawMovementMarker() const;
    void drawCollisionMarkers() const;
    void drawSurfaces();
    void drawFaces();
    void drawChildren();

    // Collision between children; see scene_object_motion.cpp.
    void moveChildrenWithOctree();
    void moveChildrenPairwise();
    bool resolveInOctree(SceneObject* object, BoundingCube cube, const BoundingCube& other);
    bool resolveMover(int index);
    bool resolvePair(int index, SceneObject* object, SceneObject* other, BoundingCube cube);
    void addCollisionMarkers(const Vector3& center, const Vector3& push, const Vector3& correction);
};

}  // namespace vortimbal
