#include <gtest/gtest.h>

#include <cmath>

#include "control/camera.h"

using namespace vortimbal;

namespace {

struct Player : Transformable, Controller {
    Player() : Controller(this) {}
};

}  // namespace

TEST(CameraModes, JustBehindPlacesTheCameraBehindAndAboveTheTarget) {
    Player player;
    player.position = Vector3(10, 0, 5);
    player.rotation = Vector3(4, 90, 0);
    Camera view;
    view.setTarget(&player);
    view.update();
    const Vector3 ahead = player.forward();
    EXPECT_FLOAT_EQ(view.position.x, 10 - ahead.x * 6);
    EXPECT_FLOAT_EQ(view.position.y, 0 - ahead.y * 6 + 3);
    EXPECT_FLOAT_EQ(view.position.z, 5 - ahead.z * 6);
    EXPECT_FLOAT_EQ(view.rotation.x, -3);
    EXPECT_FLOAT_EQ(view.rotation.y, 90);
    EXPECT_NEAR(view.position.x, 4.0f, 0.05f) << "behind a player who faces +x";
    EXPECT_GT((view.smoothPosition - view.position).length(), 5) << "the view eases in";

    // Follow keeps the height the camera had behind the target.
    const float height = view.position.y;
    view.setMode(Follow);
    for (int i = 0; i < 40; ++i) {
        view.update();
        ASSERT_FLOAT_EQ(view.position.y, height);
    }
}

TEST(CameraModes, RaiseAndLowerMoveTheKeptHeightOnlyOutsideFree) {
    Camera view;
    view.setMode(Follow);
    view.raise(true);
    EXPECT_FLOAT_EQ(view.anchor.y, 4);
    view.raise(false);
    view.lower(true);
    view.lower(false);
    EXPECT_FLOAT_EQ(view.anchor.y, 3);
    view.update();
    EXPECT_FLOAT_EQ(view.position.y, 3);

    view.setMode(Free);
    view.raise(true);
    EXPECT_FLOAT_EQ(view.anchor.y, 3) << "'q' in Free leaves the anchor alone";
    EXPECT_TRUE(view.keyRise);
    for (int i = 0; i < 10; ++i) {
        view.update();
    }
    EXPECT_GT(view.position.y, 4) << "it climbs under its own thrust";
    EXPECT_FLOAT_EQ(view.anchor.y, view.position.y);
}

TEST(CameraModes, TheViewCoversMostOfAJumpInHalfASecond) {
    Camera view;
    view.setMode(Free);
    view.position.x += 60;
    for (int i = 0; i < 10; ++i) {
        view.update();
    }
    const double covered = view.smoothPosition.x / 60.0;
    EXPECT_NEAR(covered, 1 - std::pow(5.0 / 6.0, 10), 1e-4);
    EXPECT_NEAR(covered, 0.84, 0.01);
}

TEST(CameraModes, FaceAndFollowLiftsTheViewTenDegreesAtRest) {
    Player player;
    player.position = Vector3(0, 0, -10);
    Camera view;
    view.setTarget(&player);
    view.setMode(FaceAndFollow);
    for (int i = 0; i < 600; ++i) {
        view.update();
    }
    EXPECT_NEAR(view.smoothRotation.x - view.rotation.x, 10, 0.5);
}
