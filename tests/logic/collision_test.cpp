// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>

#include <cmath>

#include "scene/octree.h"
#include "scene/scene_object.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

// A scene object whose vertices span a cube of the given size around its position.
SceneObject* box(SceneObject* parent, float size, const Vector3& at, bool dynamic) {
    auto* object = new SceneObject(nullptr, nullptr);
    object->addVertex(Vector3(-size / 2, -size / 2, -size / 2));
    object->addVertex(Vector3(size / 2, size / 2, size / 2));
    object->position = at;
    object->dynamic = dynamic;
    parent->addChild(object);
    return object;
}

class Collision : public ::testing::Test {
  protected:
    void TearDown() override { useOctrees = 1; }
    SceneObject world{nullptr, nullptr};
};

}  // namespace

TEST_F(Collision, AFigureWalkingIntoAHouseStopsAtItsWall) {
    SceneObject* figure = box(&world, 2, Vector3(0, 1, 0), true);
    SceneObject* house = box(&world, 10, Vector3(5, 1, 0), false);
    figure->velocity = Vector3(0.5f, 0, 0.3f);
    world.update();
    const float gap = 5.5f - (house->getWorldCube().center.x - figure->getWorldCube().center.x);
    EXPECT_GT(gap, 0) << "still touching the wall";
    EXPECT_LE(gap, 1.0f / 20000 + 1e-6f) << "by less than the finest step";
    EXPECT_EQ(figure->velocity.x, 0.0f);
    // Along the wall the speed is only damped, as without the house.
    const double speed = std::sqrt(0.46 * 0.46 + 0.276 * 0.276);
    EXPECT_NEAR(figure->velocity.z, 0.276 - 0.02 * 0.276 / speed, 1e-6);
    ASSERT_NE(world.getOctree(), nullptr);
    useOctrees = 0;
    world.update();
    EXPECT_EQ(world.getOctree(), nullptr) << "no stale tree is kept";
}

TEST_F(Collision, OnlyTheAllPairsMethodPushesHouses) {
    SceneObject* house = box(&world, 10, Vector3(5, 0, 0), false);
    SceneObject* figure = box(&world, 2, Vector3(0, 0, 0), true);
    figure->updateCubes();  // as the previous step left it
    world.update();
    EXPECT_FLOAT_EQ(house->position.x, 5) << "the octree never moves a house";
    EXPECT_LT(figure->position.x, -0.4f);
    house->position.x = 5;
    figure->position.x = 0;
    figure->updateCubes();
    useOctrees = 0;
    world.update();
    EXPECT_GT(house->position.x, 5.4f) << "the house comes first, so it is pushed";
    EXPECT_FLOAT_EQ(figure->position.x, 0);
}

// A cube, grown by half a unit, lands in every leaf it reaches: one that only
// touches a centre plane lands on both sides, or a push across it is missed.
// A tree emptied for the next step keeps nothing of the last.
TEST(Octrees, ACubeLandsInEveryLeafItReachesAndAnEmptiedTreeForgetsIt) {
    const struct {
        Vector3 center;
        float size;
        int leaves;
    } cubes[] = {{{10, 10, 10}, 1, 1},
                 {{0.5f, 10, 10}, 0, 2},   // touches x = 0 from above
                 {{10, -0.5f, 10}, 0, 2},  // touches y = 0 from below
                 {{0, 0, 0}, 1, 8},
                 {{-25.5f, 10, 10}, 0, 2}};  // touches a cell's own centre plane
    Octree tree(3, Vector3(0, 0, 0), 100);
    for (const auto& cube : cubes) {
        tree.clear();
        tree.insert({cube.center, cube.size}, nullptr);
        int stored = 0;
        const Array<List<SceneObject*>*> leaves = tree.collectLeaves();
        for (int i = 0; i < leaves.size(); ++i) {
            stored += leaves.get(i)->count();
        }
        EXPECT_EQ(stored, cube.leaves) << cube.center.x << ", " << cube.center.y;
    }
}
