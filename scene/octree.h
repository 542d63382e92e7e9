// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <utility>
#include <vector>

#include "core/array.h"
#include "core/list.h"
#include "scene/bounding_cube.h"
#include "scene/vector3.h"

namespace vortimbal {

class SceneObject;

// A fixed-depth partition of space into cubic cells, made only where objects
// land. Objects are kept in the leaves; one that spans several is in each.
class Octree {
  public:
    Octree(int depth, const Vector3& center, float size);
    Octree(const Octree&) = delete;
    Octree& operator=(const Octree&) = delete;
    // Deletes the cells; the objects stay alive.
    ~Octree();

    // Empties every leaf and keeps the cells: a tree filled again each step
    // need not make them anew. An empty leaf finds and holds nothing, as a
    // cell never made.
    void clear();
    // Stores the object in every leaf its cube, grown by 0.5 on each side, touches.
    // Objects outside the root land in its boundary cells.
    void insert(const BoundingCube& cube, SceneObject* object);
    // The object lists of every existing leaf, depth first.
    Array<List<SceneObject*>*> collectLeaves();
    // The leaf holding p, or null when that cell was never made.
    Octree* findLeaf(const Vector3& p);
    // A leaf's objects, sharing its storage.
    Array<SceneObject*> leafObjects() const { return objects; }

    // Every leaf holding objects, with the way to it from the root: a one,
    // then each cell's number, three bits a level.
    using Leaf = std::pair<long, const List<SceneObject*>*>;
    void leaves(std::vector<Leaf>& into, long path = 1) const;
    // The leaf at the end of `path`, its cells made on the way; null for a
    // path that leads to none.
    Octree* leafAt(long path);
    // Puts the object last in this leaf, as a tree filled again would.
    void add(SceneObject* object) { objects.add(object); }

    bool isLeaf() const { return depth <= 0; }
    const Octree* cell(int i) const { return cells[i]; }
    Vector3 getCenter() const { return center; }
    float getSize() const { return size; }

  private:
    void insertBox(const Vector3& min, const Vector3& max, SceneObject* object);
    Octree* makeCell(int i);
    void collectInto(List<List<SceneObject*>*>& leaves);

    int depth;
    Vector3 center;
    float size;
    Octree* cells[8] = {};
    List<SceneObject*> objects{64};
};

}  // namespace vortimbal
