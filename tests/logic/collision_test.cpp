#include <gtest/gtest.h>

#include <cmath>

#include "scene/octree.h"
#include "scene/scene_object.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

BoundingCube cubeAt(float x, float size) {
    BoundingCube cube;
    cube.center = Vector3(x, 0, 0);
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

class Collision : public ::testing::Test {
  protected:
    void SetUp() override { useOctrees = 1; }
    void TearDown() override { useOctrees = 1; }
    SceneObject world{nullptr, nullptr};
};

}  // namespace

TEST(Overlap, PushesTowardsTheOtherCubeOnlyOnShallowAxes) {
    Vector3 push(9, 9, 9);
    EXPECT_TRUE(cubeAt(0, 4).overlaps(cubeAt(3, 4), push));
    EXPECT_FLOAT_EQ(push.x, 2);
    EXPECT_FLOAT_EQ(push.y, 0);
    EXPECT_FLOAT_EQ(push.z, 0);
    EXPECT_TRUE(cubeAt(0, 4).overlaps(cubeAt(-3, 4), push));
    EXPECT_FLOAT_EQ(push.x, -2);

    push = Vector3(9, 9, 9);
    EXPECT_FALSE(cubeAt(0, 4).overlaps(cubeAt(3.5f, 4), push));
    EXPECT_FLOAT_EQ(push.x, 9) << "the push is written only for an overlap";
    EXPECT_TRUE(cubeAt(0, 4).overlaps(cubeAt(0, 4), push));
    EXPECT_TRUE(push.isZero()) << "deep on every axis";
}

TEST_F(Collision, AFigureWalkingIntoAHouseIsStoppedAtItsWall) {
    SceneObject* figure = box(&world, 2, Vector3(0, 1, 0), true);
    SceneObject* house = box(&world, 10, Vector3(5, 1, 0), false);
    figure->velocity = Vector3(0.5f, 0, 0.3f);
    world.update();

    // Still touching the wall, by less than the finest step of 1/20000.
    const float gap = 5.5f - (house->getWorldCube().center.x - figure->getWorldCube().center.x);
    EXPECT_GT(gap, 0);
    EXPECT_LE(gap, 1.0f / 20000 + 1e-6f);
    EXPECT_FLOAT_EQ(house->position.x, 5) << "a house is never pushed";
    EXPECT_EQ(figure->velocity.x, 0.0f);
    // Across the wall the speed is only damped, as without the house.
    const double speed = std::sqrt(0.46 * 0.46 + 0.276 * 0.276);
    EXPECT_NEAR(figure->velocity.z, 0.276 - 0.02 * 0.276 / speed, 1e-6);
    EXPECT_EQ(figure->velocity.y, 0.0f);
    ASSERT_NE(world.getOctree(), nullptr);
}

TEST_F(Collision, CubesOnTheSameCentreCollideButNeitherMethodMovesThem) {
    SceneObject* a = box(&world, 4, Vector3(0, 0, 0), true);
    SceneObject* b = box(&world, 4, Vector3(0, 0, 0), true);
    world.update();
    EXPECT_TRUE(a->position.isZero());
    EXPECT_TRUE(b->position.isZero());
    useOctrees = 0;
    world.update();
    EXPECT_TRUE(a->position.isZero());
    EXPECT_TRUE(b->position.isZero());
}

TEST_F(Collision, WithoutTheOctreeEveryMoverCanBePushed) {
    SceneObject* house = box(&world, 10, Vector3(5, 0, 0), false);
    SceneObject* figure = box(&world, 2, Vector3(0, 0, 0), true);
    figure->updateCubes();  // as the previous step left it
    world.update();
    ASSERT_NE(world.getOctree(), nullptr);
    house->position.x = 5;
    figure->position.x = 0;
    figure->updateCubes();
    useOctrees = 0;
    world.update();
    // The house comes first, so it is the one pushed out of the figure.
    EXPECT_GT(house->position.x, 5.4f) << "the all-pairs method moves houses too";
    EXPECT_FLOAT_EQ(figure->position.x, 0);
    EXPECT_EQ(world.getOctree(), nullptr) << "the old tree is dropped, and none is built";
}

TEST_F(Collision, PartsOfAFigureNeverPushEachOther) {
    world.collideChildren = false;
    SceneObject* arm = box(&world, 2, Vector3(0, 0, 0), true);
    SceneObject* leg = box(&world, 2, Vector3(1, 0, 0), true);
    arm->velocity = Vector3(0.1f, 0, 0);
    world.update();
    EXPECT_FLOAT_EQ(leg->position.x, 1);
    EXPECT_GT(arm->position.x, 0.05f) << "each part still moves by itself";
}

namespace {

// A mover that leaves its parent during its own step, as a figure that has
// risen out of the city does.
class Leaver : public SceneObject {
  public:
    explicit Leaver(SceneObject* parent) : SceneObject(nullptr, parent) {}
    void update() override {
        SceneObject::update();
        getParent()->removeChild(this);
    }
};

}  // namespace

TEST_F(Collision, AMoverMayLeaveItsParentDuringItsStep) {
    SceneObject* stays = box(&world, 2, Vector3(0, 0, 0), true);
    auto* leaver = new Leaver(&world);
    leaver->addVertex(Vector3(-1, -1, -1));
    leaver->addVertex(Vector3(1, 1, 1));
    world.addChild(leaver);
    for (int octrees : {0, 1}) {
        useOctrees = octrees;
        world.update();
        world.addChild(leaver);
    }
    world.removeChild(leaver);
    EXPECT_EQ(world.getChildren().count(), 1);
    EXPECT_EQ(world.getChildren().get(0), stays);
    delete leaver;
}
