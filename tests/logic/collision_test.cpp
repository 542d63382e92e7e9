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
