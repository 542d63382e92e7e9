#include <gtest/gtest.h>

#include "scene/octree.h"
#include "scene/scene_object.h"

using namespace vortimbal;

namespace {

BoundingCube cubeAt(float x, float y, float z, float size) {
    BoundingCube cube;
    cube.center = Vector3(x, y, z);
    cube.size = size;
    return cube;
}

// How many leaves hold the object, and in which octants of the root.
int leavesHolding(Octree& tree, SceneObject* object, int* octants = nullptr) {
    int n = 0;
    for (int i = 0; i < 8; ++i) {
        Octree* cell = const_cast<Octree*>(tree.cell(i));
        if (cell == nullptr) {
            continue;
        }
        Array<List<SceneObject*>*> leaves = cell->collectLeaves();
        for (int l = 0; l < leaves.size(); ++l) {
            const List<SceneObject*>& objects = *leaves.get(l);
            for (int k = 0; k < objects.count(); ++k) {
                if (objects.get(k) == object) {
                    ++n;
                    if (octants != nullptr) {
                        octants[i] += 1;
                    }
                }
            }
        }
    }
    return n;
}

}  // namespace

TEST(Octree, ACubeAcrossTheCentrePlanesLandsInOneLeafPerOctant) {
    Octree tree(3, Vector3(0, 8, 0), 100);
    SceneObject object(nullptr, nullptr);
    tree.insert(cubeAt(1, 8, 1, 2), &object);
    int octants[8] = {};
    EXPECT_EQ(leavesHolding(tree, &object, octants), 8);
    for (int count : octants) {
        EXPECT_EQ(count, 1);
    }
    Octree* leaf = tree.findLeaf(Vector3(2, 9, 2));
    ASSERT_NE(leaf, nullptr);
    EXPECT_TRUE(leaf->isLeaf());
    EXPECT_FLOAT_EQ(leaf->getSize(), 12.5f);
    EXPECT_EQ(leaf->leafObjects().get(0), &object);
}

TEST(Octree, ObjectsOutsideTheRootGoToItsBoundaryCells) {
    Octree tree(3, Vector3(0, 8, 0), 100);
    SceneObject far(nullptr, nullptr);
    tree.insert(cubeAt(200, 0, 0, 2), &far);
    int octants[8] = {};
    EXPECT_GT(leavesHolding(tree, &far, octants), 0);
    for (int i = 0; i < 8; ++i) {
        if ((i & 1) == 0) {
            EXPECT_EQ(octants[i], 0) << "no low-x octant";
        }
    }
    Octree* leaf = tree.findLeaf(Vector3(45, 1, 1));
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->leafObjects().get(0), &far);
}

TEST(Octree, AnEmptyTreeHasNoLeavesAndFindsNothing) {
    Octree tree(3, Vector3(0, 8, 0), 100);
    EXPECT_EQ(tree.collectLeaves().size(), 0);
    EXPECT_EQ(tree.findLeaf(Vector3(0, 8, 0)), nullptr);
    SceneObject object(nullptr, nullptr);
    tree.insert(cubeAt(10, 14, 10, 1), &object);
    // The centre belongs to the low cell 0, which was never made.
    EXPECT_EQ(tree.findLeaf(Vector3(0, 8, 0)), nullptr);
    Array<List<SceneObject*>*> leaves = tree.collectLeaves();
    ASSERT_EQ(leaves.size(), 1);
    EXPECT_EQ(leaves.get(0)->count(), 1);
}

TEST(Octree, DeletingTheTreeLeavesTheObjectsAlive) {
    SceneObject object(nullptr, nullptr);
    object.name = "survivor";
    auto* tree = new Octree(3, Vector3(0, 8, 0), 100);
    tree->insert(cubeAt(0, 0, 0, 30), &object);
    delete tree;
    EXPECT_EQ(object.name, "survivor");
}
