#include <gtest/gtest.h>

#include <cmath>

#include "control/controller.h"
#include "scene/angles.h"

using namespace vortimbal;

namespace {

// An owner with its controller, as every scene object has.
struct Mover : Transformable, Controller {
    Mover() : Controller(this) {}
    explicit Mover(Vector3 at) : Controller(this) { position = at; }
};

float distanceBetween(const Mover& a, const Mover& b) {
    return (a.position - b.position).length();
}

// How well the mover faces the target: 1 straight at it, -1 away from it.
float facing(const Mover& mover, const Mover& target) {
    const Vector3 toTarget = (target.position - mover.position).normalized();
    const Vector3 ahead = mover.forward();
    return ahead.x * toTarget.x + ahead.y * toTarget.y + ahead.z * toTarget.z;
}

}  // namespace

TEST(Controller, AHeldThrustKeyDrivesTheSpeedTowardsOne) {
    Mover mover;
    mover.setForward(true);
    for (int i = 0; i < 300; ++i) {
        mover.update();
    }
    EXPECT_NEAR(mover.velocity.length(), 1.0f, 1e-4);
    EXPECT_NEAR(mover.velocity.z, 1.0f, 1e-4);
    EXPECT_GT(mover.position.z, 250);
    EXPECT_FLOAT_EQ(mover.position.x, 0);

    mover.rotation.y = 90;  // yaw 90 faces +x
    const Vector3 accel = mover.thrustToWorld();
    EXPECT_NEAR(accel.x, 0.1f, 1e-6);
    EXPECT_NEAR(accel.z, 0.0f, 1e-4);
}

TEST(Controller, ReleasedMotionStopsExactlyInFiniteSteps) {
    Mover mover;
    mover.setForward(true);
    mover.setTurnLeft(true);
    for (int i = 0; i < 100; ++i) {
        mover.update();
    }
    EXPECT_GT(mover.spin.y, 1);
    mover.setForward(false);
    mover.setTurnLeft(false);
    int steps = 0;
    while ((!mover.velocity.isZero() || !mover.spin.isZero()) && steps < 1000) {
        mover.update();
        ++steps;
    }
    EXPECT_LT(steps, 200);
    EXPECT_EQ(mover.velocity.length(), 0.0f);
    EXPECT_EQ(mover.spin.length(), 0.0f);
    const Vector3 restingAt = mover.position;
    mover.update();
    EXPECT_EQ(mover.position.z, restingAt.z) << "no drift once stopped";

    // A speed of exactly the friction after damping stops, without a step back.
    Mover slow;
    slow.linearDamping = 0.5f;
    slow.velocity = Vector3(0, 0, 0.04f);
    slow.update();
    EXPECT_EQ(slow.velocity.z, 0.0f);
    EXPECT_EQ(slow.position.z, 0.0f);
}

TEST(Controller, PitchIsHeldBetweenItsLimitsOnceKeysWereUsed) {
    Mover mover;
    mover.rotation.x = 30;
    mover.update();
    EXPECT_FLOAT_EQ(mover.rotation.x, 30) << "no key used yet: no limits";

    mover.setPitchUp(true);
    mover.update();
    // Reset to 24.99, and this step's input of +2 is cancelled by the limit.
    EXPECT_FLOAT_EQ(mover.spinInput.x, 0);
    EXPECT_FLOAT_EQ(mover.rotation.x, 24.99f + mover.spin.x);

    mover.setPitchUp(false);
    mover.rotation.x = -60;
    mover.spin = Vector3();
    mover.update();
    EXPECT_FLOAT_EQ(mover.spinInput.x, 2);
    EXPECT_FLOAT_EQ(mover.rotation.x, -49.99f + 2);
}

TEST(Controller, ModeChangesDropHeldKeysAndDirectThrustWorksUntilAKeyIsUsed) {
    Mover mover;
    mover.thrust = Vector3(0, 0, 0.1f);
    for (int i = 0; i < 5; ++i) {
        mover.update();
    }
    EXPECT_GT(mover.position.z, 0.5f);
    EXPECT_FALSE(mover.flagsDirty);

    mover.setBackward(true);
    mover.setRise(true);
    mover.update();
    EXPECT_FLOAT_EQ(mover.thrust.z, -0.1f);
    EXPECT_FLOAT_EQ(mover.thrust.y, 0.1f);
    mover.setMode(Follow);
    EXPECT_FALSE(mover.keyBackward || mover.keyRise);
    mover.update();
    EXPECT_EQ(mover.thrust.length(), 0.0f);
}

TEST(Steering, FollowClosesInAndStopsSteeringInsideItsDistance) {
    Mover target(Vector3(40, 0, 40));
    Mover chaser;
    chaser.setTarget(&target);
    chaser.setMode(Follow);
    chaser.setDistance(10);
    float closest = distanceBetween(chaser, target);
    for (int i = 0; i < 400; ++i) {
        chaser.update();
        closest = std::fmin(closest, distanceBetween(chaser, target));
    }
    EXPECT_LT(closest, 10);
    EXPECT_GT(closest, 3) << "it does not run into the target";
    EXPECT_LT(distanceBetween(chaser, target), 12);
    EXPECT_FALSE(chaser.keyForward || chaser.keyTurnLeft || chaser.keyTurnRight);
    EXPECT_EQ(chaser.velocity.length(), 0.0f) << "the remaining speed has decayed";
}

TEST(Steering, FaceAndFollowSettlesAtItsDistanceFacingTheTarget) {
    Mover target(Vector3(-30, 0, -20));
    Mover chaser;
    chaser.rotation.y = 45;
    chaser.setTarget(&target);
    chaser.setMode(FaceAndFollow);
    chaser.setDistance(15);
    for (int i = 0; i < 600; ++i) {
        chaser.update();
    }
    // It stops thrusting at its distance and coasts a little way in.
    EXPECT_LT(distanceBetween(chaser, target), 15);
    EXPECT_GT(distanceBetween(chaser, target), 8);
    EXPECT_EQ(chaser.velocity.length(), 0.0f);
    EXPECT_GT(facing(chaser, target), 0.98f);

    target.position = Vector3(-30, 0, 20);  // the target moves off to one side
    for (int i = 0; i < 300; ++i) {
        chaser.update();
    }
    EXPECT_GT(facing(chaser, target), 0.98f);
    EXPECT_LT(distanceBetween(chaser, target), 15);
    EXPECT_GT(distanceBetween(chaser, target), 8);
}

TEST(Steering, OrbitsCircleTheTargetInOppositeDirections) {
    for (int mode : {Orbital1, Orbital2}) {
        Mover target(Vector3(0, 0, 30));
        Mover orbiter;
        orbiter.setTarget(&target);
        orbiter.setMode(mode);
        double turned = 0;  // signed angle swept around the target, in radians
        float farthest = 0;
        Vector3 before = orbiter.position - target.position;
        for (int i = 0; i < 2000; ++i) {
            orbiter.update();
            const Vector3 now = orbiter.position - target.position;
            turned += std::atan2(before.z * now.x - before.x * now.z,
                                 before.x * now.x + before.z * now.z);
            before = now;
            if (i > 200) {
                farthest = std::fmax(farthest, now.length());
            }
        }
        EXPECT_GT(std::fabs(turned), 4 * 3.14159) << "mode " << mode << " goes round twice";
        EXPECT_LT(farthest, 45) << "mode " << mode << " does not drift away";
        EXPECT_EQ(turned > 0, mode == Orbital1) << "mode " << mode;
    }
}
