#include <gtest/gtest.h>

#include <vector>

#include "app/game_flow.h"
#include "app/game_state.h"
#include "control/camera.h"
#include "game/bird.h"
#include "game/figure.h"
#include "game/world.h"
#include "gl_recorder.h"
#include "model_folder.h"
#include "recording_world.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

std::vector<Figure*> figuresOf(const World& w) {
    std::vector<Figure*> figures;
    for (int i = 0; i < w.getChildren().count(); ++i) {
        auto* object = dynamic_cast<SceneObject*>(w.getChildren().get(i));
        if (object != nullptr && object->classId() == Figure::FigureClassId) {
            figures.push_back(static_cast<Figure*>(object));
        }
    }
    return figures;
}

bool isChild(const World& w, const Transformable* object) {
    for (int i = 0; i < w.getChildren().count(); ++i) {
        if (w.getChildren().get(i) == object) {
            return true;
        }
    }
    return false;
}

// Keeps one figure still, straight ahead of the player, and sends the others
// far out of the line of fire.
void clearTheLineOfFireBut(World& w, Figure* kept, const Vector3& at) {
    int n = 0;
    for (Figure* figure : figuresOf(w)) {
        if (figure == w.getPlayer()) {
            continue;
        }
        figure->setTarget(nullptr);
        figure->velocity = Vector3();
        figure->position = figure == kept ? at : Vector3(60, 0, -60 + 2.0f * float(n++));
    }
    w.getPlayer()->position = Vector3();
    w.getPlayer()->rotation = Vector3();
}

class Worlds : public ::testing::Test {
  protected:
    void SetUp() override {
        glrec::reset();
        useOctrees = 1;
        city.build();
    }
    void TearDown() override { useOctrees = 1; }

    ModelFolder models;
    World city;
};

}  // namespace

TEST_F(Worlds, TheCityIsLaidOutAndEveryoneSettlesOnTheGround) {
    // 49 tiles, 6 houses, 50 birds, the player and 50 citizens.
    ASSERT_EQ(city.getChildren().count(), 156);
    EXPECT_FLOAT_EQ(city.getChildren().get(48)->rotation.y, 180 * 48);
    EXPECT_FLOAT_EQ(city.getChildren().get(0)->position.x, -60);
    EXPECT_FLOAT_EQ(city.getChildren().get(49)->position.x, -18);
    EXPECT_EQ(camera.getTarget(), city.getPlayer());
    for (int i = 0; i < 50; ++i) {
        city.update();
    }
    EXPECT_EQ(city.goodLeft(), 51);
    EXPECT_EQ(city.badGuysLeft(), 0);
    // Citizens start up to 50 units up and fall at most 0.7 a step.
    for (int i = 0; i < 60; ++i) {
        city.update();
    }
    for (Figure* figure : figuresOf(city)) {
        EXPECT_EQ(figure->position.y, 0);
        EXPECT_GE(figure->position.x, -70);
        EXPECT_LE(figure->position.x, 70);
    }
    city.addFigures(0, true);
    EXPECT_EQ(city.getChildren().count(), 156);
}

TEST_F(Worlds, EachLevelDropsFiveNPlusFiveBadGuysFromTheSky) {
    ScopedWorld playing(city);
    city.update();
    level = 0;
    startNextLevel();
    city.update();
    EXPECT_EQ(city.badGuysLeft(), 10);
    float lowest = 100;
    for (Figure* figure : figuresOf(city)) {
        if (figure->isBad()) {
            lowest = std::min(lowest, figure->position.y);
        }
    }
    EXPECT_GT(lowest, 15) << "they start high above the city";
    for (int i = 0; i < 100; ++i) {
        city.update();
    }
    for (Figure* figure : figuresOf(city)) {
        if (figure->isBad()) {
            EXPECT_EQ(figure->position.y, 0) << "every bad guy has landed";
        }
    }
    startNextLevel();
    city.update();
    EXPECT_EQ(city.badGuysLeft(), 25);
    EXPECT_EQ(level, 2);
}

TEST_F(Worlds, ShotsCostCitizensScoreBadGuysAndSpareThePlayer) {
    Figure* citizen = figuresOf(city).back();
    clearTheLineOfFireBut(city, citizen, Vector3(0, 0, 12));
    city.update();
    city.fire(city.getPlayer());
    EXPECT_EQ(city.score(), -10);
    EXPECT_TRUE(citizen->isRising());
    for (int i = 0; i < 19; ++i) {
        city.update();
    }
    EXPECT_TRUE(isChild(city, citizen)) << "still rising after 19 steps";
    city.update();
    EXPECT_FALSE(isChild(city, citizen)) << "gone on the 20th";

    city.addFigures(1, true);
    Figure* badGuy = figuresOf(city).back();
    ASSERT_TRUE(badGuy->isBad());
    clearTheLineOfFireBut(city, badGuy, Vector3(1, 0, 30));
    city.update();
    badGuy->rotation = Vector3(0, 180, 0);  // facing the player
    city.fire(badGuy);
    EXPECT_EQ(city.score(), -10) << "the player cannot be hit";
    city.fire(city.getPlayer());
    EXPECT_EQ(city.score(), 90);
    EXPECT_TRUE(badGuy->isRising());

    useOctrees = 0;
    city.fire(city.getPlayer());
    EXPECT_EQ(city.score(), 90) << "without the octree nothing is hit";
    city.removeBadGuys();
    EXPECT_EQ(city.score(), 0);
}

TEST_F(Worlds, FiguresAndBirdsWrapOverTheEdgesOfTheSquare) {
    Figure* walker = figuresOf(city).back();
    walker->setTarget(nullptr);
    walker->position = Vector3(69.99f, 0, 0);
    walker->velocity = Vector3(0.5f, 0, 0);
    city.update();
    EXPECT_FLOAT_EQ(walker->position.x, -70);
    EXPECT_FLOAT_EQ(walker->drawPosition.x, -70) << "not drawn sliding across the city";

    auto* bird = dynamic_cast<Bird*>(city.getChildren().get(55));
    ASSERT_NE(bird, nullptr);
    bird->respawn();
    const bool overX = bird->position.x == 75;
    EXPECT_TRUE(overX || bird->position.z == 75);
    city.update();
    EXPECT_FLOAT_EQ(overX ? bird->position.x : bird->position.z, -70);
    city.update();
    EXPECT_FLOAT_EQ(overX ? bird->position.x : bird->position.z, 70);
    EXPECT_GE(bird->position.y, 10);
}

TEST(Figures, LimbsSwingWithTheSpeedAndRestWhenStill) {
    ModelFolder models;
    Figure figure(nullptr, nullptr);
    figure.update();
    EXPECT_FLOAT_EQ(figure.arm1->position.z, 0.2f);
    EXPECT_FLOAT_EQ(figure.leg2->position.y, -1.0f);
    EXPECT_EQ(figure.arm1->swingRate, 0);

    figure.setForward(true);
    for (int i = 0; i < 10; ++i) {
        figure.update();
    }
    EXPECT_GT(figure.arm1->swingRate, 0.4f);
    EXPECT_NE(figure.arm1->position.z, 0.2f);
    EXPECT_GT(figure.position.z, 1) << "walks the way it faces";
    EXPECT_EQ(figure.rotation.x, 0);

    figure.setForward(false);
    figure.setBackward(true);
    for (int i = 0; i < 10; ++i) {
        figure.update();
    }
    EXPECT_LT(figure.arm1->swingRate, 0) << "walking backwards swings the other way";
    const float legPhase = figure.leg2->phase;
    figure.update();
    EXPECT_LT(figure.leg2->phase, legPhase) << "the legs' phase keeps its direction";

    Figure faller(nullptr, nullptr);
    faller.velocity = Vector3(0, -3, 0);
    faller.update();
    EXPECT_EQ(faller.arm1->swingRate, 0) << "a fall does not swing the limbs";
}
