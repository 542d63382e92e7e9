#include <gtest/gtest.h>

#include <cmath>

#include "scene/octree.h"
#include "scene/scene_object.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

BoundingCube cubeAt(float x, float y, float size) {
    BoundingCube cube;
    cube.center = Vector3(x, y, 0);
    cube.size = size;
    return cube;
}

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

// A mover that leaves its parent during its own step, as a risen figure does.
class Leaver : public SceneObject {
  public:
    explicit Leaver(SceneObject* parent) : SceneObject(nullptr, parent) {}
    void update() override {
        SceneObject::update();
        getParent()->removeChild(this);
    }
};

class Collision : public ::testing::Test {
  protected:
    void TearDown() override { useOctrees = 1; }
    SceneObject world{nullptr, nullptr};
};

}  // namespace

TEST(Octree, ObjectsLandInEveryLeafTheyTouchAndOutsidersAtTheBoundary) {
    Octree tree(3, Vector3(0, 8, 0), 100);
    EXPECT_EQ(tree.findLeaf(Vector3(0, 8, 0)), nullptr) << "an empty tree finds nothing";
    SceneObject middle(nullptr, nullptr), far(nullptr, nullptr);
    tree.insert(cubeAt(1, 8, 2), &middle);  // across all three centre planes
    tree.insert(cubeAt(200, 0, 2), &far);
    EXPECT_EQ(tree.collectLeaves().size(), 8 + 2);
    Octree* leaf = tree.findLeaf(Vector3(-1, 7, -1));
    ASSERT_NE(leaf, nullptr);
    EXPECT_FLOAT_EQ(leaf->getSize(), 12.5f);
    EXPECT_EQ(leaf->leafObjects().get(0), &middle);
    leaf = tree.findLeaf(Vector3(45, 1, 1));
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->leafObjects().get(0), &far);
    EXPECT_EQ(tree.findLeaf(Vector3(-45, 1, 1)), nullptr);
}

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

TEST_F(Collision, OnlyTheAllPairsMethodPushesHousesAndPartsNeverPushEachOther) {
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

    SceneObject body(nullptr, nullptr);
    body.collideChildren = false;
    SceneObject* arm = box(&body, 2, Vector3(0, 0, 0), true);
    SceneObject* leg = box(&body, 2, Vector3(1, 0, 0), true);
    arm->velocity = Vector3(0.1f, 0, 0);
    body.update();
    EXPECT_FLOAT_EQ(leg->position.x, 1);
    EXPECT_GT(arm->position.x, 0.05f) << "each part still moves by itself";
}

TEST_F(Collision, AMoverMayLeaveItsParentDuringItsStep) {
    SceneObject* stays = box(&world, 2, Vector3(0, 0, 0), true);
    auto* leaver = new Leaver(&world);
    leaver->addVertex(Vector3(-1, -1, -1));
    leaver->addVertex(Vector3(1, 1, 1));
    for (int octrees : {0, 1}) {
        useOctrees = octrees;
        world.addChild(leaver);
        world.update();
        ASSERT_EQ(world.getChildren().count(), 1);
        EXPECT_EQ(world.getChildren().get(0), stays);
    }
    delete leaver;
}
