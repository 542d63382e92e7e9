// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>

#include <cmath>

#include "control/camera.h"

using namespace vortimbal;

namespace {

// An owner with its controller, as every scene object has.
struct Mover : Transformable, Controller {
    explicit Mover(Vector3 at = Vector3()) : Controller(this) { position = at; }
    Mover& run(int steps) {
        for (int i = 0; i < steps; ++i) {
            update();
        }
        return *this;
    }
};

}  // namespace

TEST(Controller, KeysDriveDampedMotionThatStopsExactlyWithinThePitchLimits) {
    Mover mover;
    mover.setForward(true);
    EXPECT_NEAR(mover.run(300).velocity.z, 1.0f, 1e-4) << "a held key reaches unit speed";
    Mover halfway;  // a stick pushed halfway
    halfway.setForward(true);
    halfway.forwardScale = 0.5f;
    // Half the thrust, less the same friction, over the same damping: (0.05 - 0.02) / 0.08.
    EXPECT_NEAR(halfway.run(300).velocity.z, 0.375f, 1e-3) << "slower than the key";
    mover.setTurnLeft(true);
    EXPECT_GT(mover.run(100).spin.y, 1) << "turning left raises the yaw";
    mover.setForward(false);
    mover.setTurnLeft(false);
    const Vector3 restingAt = mover.run(200).position;
    EXPECT_EQ(mover.velocity.length() + mover.spin.length(), 0.0f);
    EXPECT_EQ(mover.run(1).position.x, restingAt.x) << "no drift once stopped";

    Mover slow;  // a speed of exactly the friction after damping stops, without a step back
    slow.linearDamping = 0.5f;
    slow.velocity = Vector3(0, 0, 0.04f);
    EXPECT_EQ(slow.run(1).position.z, 0.0f);
    EXPECT_EQ(slow.velocity.z, 0.0f);

    // Thrust set directly, as the camera's slide keys do, works until a key is used;
    // a positive sideways thrust slides a mover facing +z towards +x.
    Mover slider;
    slider.thrust = Vector3(0.1f, 0, 0.1f);
    EXPECT_GT(slider.run(5).position.x, 0.5f);
    slider.setRise(true);
    slider.setMode(Follow);
    EXPECT_FALSE(slider.keyRise) << "a new mode drops held keys";
    EXPECT_EQ(slider.run(1).thrust.length(), 0.0f);

    Mover pitcher;
    pitcher.rotation.x = 30;
    EXPECT_FLOAT_EQ(pitcher.run(1).rotation.x, 30) << "no key used yet: no limits";
    pitcher.setPitchUp(true);
    pitcher.run(1);
    EXPECT_FLOAT_EQ(pitcher.spinInput.x, 0) << "the limit cancels this step's input";
    EXPECT_FLOAT_EQ(pitcher.rotation.x, 24.99f + pitcher.spin.x);
    pitcher.setPitchUp(false);
    pitcher.rotation.x = -60;
    pitcher.spin = Vector3();
    EXPECT_FLOAT_EQ(pitcher.run(1).rotation.x, -49.99f + 2);
}

TEST(Steering, FollowersFaceAndReachTheirTarget) {
    const struct {
        int mode;
        Vector3 target;
        float facing;  // at least, once settled: 1 straight at the target
    } chases[] = {{Follow, {40, 0, 0}, 0.5f},
                  {Follow, {-30, 0, 5}, 0.5f},
                  {FaceAndFollow, {-30, 0, -20}, 0.98f},
                  {FaceAndFollow, {30, 0, 10}, 0.98f}};
    for (const auto& chase : chases) {
        Mover target(chase.target), chaser;
        chaser.setTarget(&target);
        chaser.setMode(chase.mode);
        chaser.setDistance(10);
        float closest = target.position.length();
        for (int i = 0; i < 500; ++i) {
            closest = std::fmin(closest, (chaser.run(1).position - target.position).length());
        }
        const Vector3 toTarget = (target.position - chaser.position).normalized();
        const Vector3 ahead = chaser.forward();
        EXPECT_GT(ahead.x * toTarget.x + ahead.z * toTarget.z, chase.facing) << chase.mode;
        EXPECT_LT(closest, 10) << "mode " << chase.mode << " towards x " << chase.target.x;
        EXPECT_GT(closest, 3) << "it does not run into the target";
        EXPECT_EQ(chaser.velocity.length(), 0.0f) << "it rests inside its distance";
    }
}

TEST(CameraModes, TheViewSitsBehindTheTargetKeepsItsHeightAndEasesIn) {
    Mover player(Vector3(10, 0, 5));
    player.rotation = Vector3(4, 90, 0);
    Camera view;
    view.setTarget(&player);
    view.update();
    const Vector3 behind = player.position - player.forward() * 6 + Vector3(0, 3, 0);
    EXPECT_NEAR((view.position - behind).length(), 0, 1e-5) << "six behind, three above";
    EXPECT_FLOAT_EQ(view.rotation.x, -3) << "seven degrees below the player's pitch";
    EXPECT_FLOAT_EQ(view.rotation.y, 90);
    const float height = view.position.y;
    view.setMode(Follow);
    view.raise(true);
    view.raise(false);
    for (int i = 0; i < 40; ++i) {
        view.update();
        ASSERT_FLOAT_EQ(view.position.y, height + 1) << "Follow keeps the raised height";
    }
}
