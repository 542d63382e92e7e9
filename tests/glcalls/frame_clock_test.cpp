#include <gtest/gtest.h>

#include <cstdint>

#include "app/frame_clock.h"
#include "app/game_state.h"
#include "control/camera.h"
#include "gl_recorder.h"
#include "recording_world.h"

using namespace vortimbal;

namespace {

std::uint32_t fakeTick = 0;
std::uint32_t readFakeTick() {
    return fakeTick;
}

class FrameClock : public ::testing::Test {
  protected:
    void SetUp() override {
        glrec::reset();
        startAt(1000);
        gameState = Playing;
    }

    void startAt(std::uint32_t tick) {
        fakeTick = tick;
        setTickSource(readFakeTick);
        simulationTime = lastRedisplayTime = currentTimeMs();
    }

    // Idles the way GLUT does when every frame is cheap: many calls per tick.
    void idleFor(int milliseconds) {
        for (int i = 0; i < milliseconds; ++i) {
            ++fakeTick;
            onIdle();
            onIdle();
        }
    }

    RecordingWorld world;
    ScopedWorld usingWorld{world};
};

}  // namespace

TEST_F(FrameClock, StepsOncePerFiftyMillisecondsWhateverTheFrameRate) {
    idleFor(1000);
    EXPECT_EQ(world.steps, 19);  // the 20th is due only once more than 50 ms have passed
    idleFor(1);
    EXPECT_EQ(world.steps, 20);
    EXPECT_GT(glrec::count("glutPostRedisplay"), 1500);
}

TEST_F(FrameClock, OnlyPlayingStepsTheWorld) {
    for (int state : {Title, LevelCleared, GameOver}) {
        gameState = state;
        idleFor(200);
    }
    EXPECT_EQ(world.steps, 0);
    EXPECT_DOUBLE_EQ(simulationTime, currentTimeMs() - 50);
}

TEST_F(FrameClock, BehindItRequestsNoFrameUntilASecondHasPassedThenDropsTheBacklog) {
    fakeTick += 999;
    for (int i = 0; i < 19; ++i) {
        onIdle();
    }
    EXPECT_EQ(world.steps, 19);
    EXPECT_EQ(glrec::count("glutPostRedisplay"), 0);

    fakeTick += 2;  // 1001 ms since the last frame
    onIdle();
    EXPECT_EQ(world.steps, 20);
    EXPECT_EQ(glrec::count("glutPostRedisplay"), 1);
    EXPECT_DOUBLE_EQ(simulationTime, currentTimeMs());
    EXPECT_DOUBLE_EQ(lastRedisplayTime, simulationTime);

    onIdle();
    EXPECT_EQ(world.steps, 20);
    EXPECT_EQ(glrec::count("glutPostRedisplay"), 2);
}

TEST_F(FrameClock, TheCameraStepsInEveryState) {
    camera.setMode(Free);
    camera.position.x += 60;
    const float start = camera.smoothPosition.x;
    gameState = Title;
    idleFor(1000);
    EXPECT_GT(camera.smoothPosition.x - start, 50);
    EXPECT_EQ(world.steps, 0);
}

TEST_F(FrameClock, LevelClearedAndGameOverComeFromTheWorldsCounts) {
    world.badGuys = 0;
    idleFor(51);
    EXPECT_EQ(gameState, LevelCleared);

    gameState = Playing;
    world.badGuys = 3;
    world.good = 1;
    idleFor(50);
    EXPECT_EQ(gameState, GameOver);

    gameState = Playing;
    world.badGuys = 0;
    idleFor(50);
    EXPECT_EQ(gameState, GameOver) << "both at once end the game";
}

TEST_F(FrameClock, AnExceptionInTheStepIsReportedAndTheLoopGoesOn) {
    world.throwOnUpdate = true;
    world.badGuys = 0;
    fakeTick += 60;
    ::testing::internal::CaptureStderr();
    onIdle();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "ERROR: Index out of bounds\n");
    EXPECT_EQ(gameState, Playing) << "the rest of the step is skipped";

    world.throwOnUpdate = false;
    idleFor(100);
    EXPECT_EQ(world.steps, 2) << "the next step ran and cleared the level";
    EXPECT_EQ(gameState, LevelCleared);
}

TEST_F(FrameClock, KeepsSteppingAcrossTheWrapOfTheTick) {
    startAt(0xffffffffu - 500);
    idleFor(1000);
    EXPECT_EQ(world.steps, 19);
    EXPECT_LT(fakeTick, 1000u) << "the tick has wrapped";
    EXPECT_DOUBLE_EQ(currentTimeMs(), 4294967295.0 + 500);
    EXPECT_GT(simulationTime, 4294967295.0);
}
