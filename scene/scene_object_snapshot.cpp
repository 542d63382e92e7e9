// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// What a scene object keeps in a snapshot: its pose, and the tree its movers
// were last sorted into.

#include <memory>
#include <unordered_map>
#include <vector>

#include "core/snapshot.h"
#include "scene/octree.h"
#include "scene/scene_object.h"

namespace vortimbal {

// The cube is kept as the last step left it: without octrees a mover is
// pushed out of the cubes of those yet to take their step.
void SceneObject::savePose(SnapshotWriter& out) const {
    out.line("pose").xyz(position).xyz(rotation).xyz(drawPosition).xyz(drawRotation);
    out.line("glide").xyz(glide).xyz(glideTurn);
    out.line("cube").xyz(worldCube.center) << worldCube.size;
}

void SceneObject::restorePose(SnapshotReader& in) {
    in.line("pose").xyz(position).xyz(rotation).xyz(drawPosition).xyz(drawRotation);
    in.line("glide").xyz(glide).xyz(glideTurn);
    holdDrawnPose();
    updateCubes();
    in.line("cube").xyz(worldCube.center) >> worldCube.size;
}

void SceneObject::saveOctree(SnapshotWriter& out) const {
    std::vector<Octree::Leaf> leaves;
    if (octree != nullptr) {
        octree->leaves(leaves);
    }
    out.line("octree") << (octree != nullptr) << long(leaves.size());
    std::unordered_map<const SceneObject*, int> place;
    for (int i = 0; i < movers.count(); ++i) {
        place.emplace(static_cast<SceneObject*>(movers.get(i)), i);
    }
    for (const Octree::Leaf& leaf : leaves) {
        const List<SceneObject*>& objects = *leaf.second;
        out.line("leaf") << leaf.first << objects.count();
        for (int i = 0; i < objects.count(); ++i) {
            const auto found = place.find(objects.get(i));
            out << (found == place.end() ? -1 : found->second);
        }
    }
}

// A mover may stand in each of the eight cells around a point, no more.
void SceneObject::restoreOctree(SnapshotReader& in) {
    bool kept = false;
    long leafCount = 0;
    in.line("octree") >> kept;
    in.in(leafCount, 0, kept ? 8L * movers.count() : 0);
    std::unique_ptr<Octree> tree(kept ? newOctree() : nullptr);
    for (long l = 0; l < leafCount && in.ok(); ++l) {
        long path = 0;
        int count = 0;
        in.line("leaf") >> path;
        in.in(count, 1, movers.count());
        Octree* leaf = in.ok() ? tree->leafAt(path) : nullptr;
        if (leaf == nullptr) {
            in.fail();
        }
        for (int i = 0; i < count && in.ok(); ++i) {
            int mover = 0;
            if (in.in(mover, 0, movers.count() - 1).ok()) {
                leaf->add(static_cast<SceneObject*>(movers.get(mover)));
            }
        }
    }
    if (in.ok()) {
        delete octree;
        octree = tree.release();
    }
}

}  // namespace vortimbal
