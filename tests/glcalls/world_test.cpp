// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/game_flow.h"
#include "app/run_snapshot.h"
#include "control/camera.h"
#include "core/random.h"
#include "game/bird.h"
#include "game/figure.h"
#include "game/game_listener.h"
#include "game/game_state.h"
#include "game/world.h"
#include "gl_recorder.h"
#include "model_folder.h"
#include "recording_world.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

std::vector<Figure*> figuresOf(const World& w, bool badOnly = false) {
    std::vector<Figure*> figures;
    for (int i = 0; i < w.getChildren().count(); ++i) {
        auto* object = dynamic_cast<SceneObject*>(w.getChildren().get(i));
        if (object != nullptr && object->classId() == Figure::FigureClassId &&
            (!badOnly || static_cast<Figure*>(object)->isBad())) {
            figures.push_back(static_cast<Figure*>(object));
        }
    }
    return figures;
}

// FNV-1a over where everything in the tree is and is drawn, limbs included.
void hashTree(const SceneObject& object, std::uint32_t& hash) {
    for (int i = 0; i < object.getChildren().count(); ++i) {
        auto* child = dynamic_cast<const SceneObject*>(object.getChildren().get(i));
        if (child == nullptr) {
            continue;  // a ground tile, which never moves
        }
        for (const Vector3& v : {child->position, child->rotation, child->drawPosition}) {
            for (float f : {v.x, v.y, v.z}) {
                std::uint32_t bits;
                std::memcpy(&bits, &f, sizeof bits);
                hash = (hash ^ bits) * 16777619u;
            }
        }
        hashTree(*child, hash);
    }
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// Bytes the program holds on the heap now.
long heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return long(__sanitizer_get_current_allocated_bytes());
#else
    return long(mallinfo2().uordblks);
#endif
}

// Plays on with a key held, shots, turns and a mouse turn, the same way each time.
void playOn(World& w, int steps) {
    w.steerForward(true);
    for (int i = 0; i < steps; ++i) {
        w.playerFire(i % 5 == 0);
        w.steerLeft(i % 40 < 10);
        if (i % 30 == 0) {
            w.turnPlayer(12.5f);
        }
        w.update();
    }
    w.steerForward(false);
}

// The first line that differs, or "" when none does.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::istringstream one(a), other(b);
    std::string p, q;
    for (int line = 1;; ++line) {
        const bool more = bool(std::getline(one, p)), moreToo = bool(std::getline(other, q));
        if (!more && !moreToo) {
            return "";
        }
        if (more != moreToo || p != q) {
            return "line " + std::to_string(line) + ": " + p + " | " + q;
        }
    }
}

bool isChild(const World& w, const Transformable* object) {
    const auto& children = w.getChildren();
    return std::count(children.data(), children.data() + children.count(), object) == 1;
}

class Worlds : public ::testing::Test {
  protected:
    void SetUp() override {
        glrec::reset();
        level = 0;
        randomLeft = seedRandom();
        city.build();
    }
    void TearDown() override {
        camera.setTarget(cameraTarget);
        std::tie(useOctrees, gameState, level, gameUnderway) = std::make_tuple(1, Title, 0, false);
        chosenDifficulty = Difficulty::Normal;
        seedRandom(randomLeft);
    }

    void run(int steps) {
        for (int i = 0; i < steps; ++i) {
            city.update();
        }
    }

    // Keeps one figure still, `at` ahead of the player, and sends the others
    // far out of the line of fire.
    void clearTheLineOfFireBut(Figure* kept, const Vector3& at) {
        int n = 0;
        for (Figure* figure : figuresOf(city)) {
            if (figure != city.getPlayer()) {
                figure->setTarget(nullptr);
                figure->velocity = Vector3();
                figure->position = figure == kept ? at : Vector3(60, 0, -60 + 2.0f * float(n++));
            }
        }
        city.getPlayer()->position = Vector3();
        city.getPlayer()->rotation = Vector3();
        city.update();
    }

    Controller* cameraTarget = camera.getTarget();
    std::uint32_t randomLeft = 0;
    ModelFolder models;
    World city;
    ScopedWorld playing{city};
};

}  // namespace

TEST_F(Worlds, TheCityIsLaidOutAndEveryoneSettlesOnTheGround) {
    // 49 tiles, 6 houses, 50 birds, the player and 50 citizens.
    ASSERT_EQ(city.getChildren().count(), 156);
    EXPECT_FLOAT_EQ(city.getChildren().get(48)->rotation.y, 180 * 48);
    EXPECT_EQ(camera.getTarget(), city.getPlayer());
    run(50);
    EXPECT_EQ(city.goodLeft(), 51);
    EXPECT_EQ(city.badGuysLeft(), 0);
    run(60);  // citizens start up to 50 units up and fall at most 0.7 a step
    int grounded = 0;
    for (Figure* figure : figuresOf(city)) {
        EXPECT_GE(figure->position.y, 0);
        EXPECT_LE(std::max(std::abs(figure->position.x), std::abs(figure->position.z)), 70);
        grounded += figure->position.y == 0 ? 1 : 0;
    }
    EXPECT_GE(grounded, 45) << "a few may stand on a roof";
}

TEST_F(Worlds, EachLevelDropsBadGuysThatHuntCitizensAndShootNowAndThen) {
    run(110);
    startNextLevel();
    EXPECT_LT((camera.smoothPosition - Vector3(0, 3, -6)).length(), 1e-4f)
        << "the view starts behind the player, not sweeping there from afar";
    city.update();
    EXPECT_EQ(city.badGuysLeft(), 10);
    std::map<Figure*, float> start;
    for (Figure* badGuy : figuresOf(city, true)) {
        EXPECT_GT(start[badGuy] = badGuy->position.y, 15) << "they start high above the city";
        auto* target = dynamic_cast<SceneObject*>(badGuy->getTarget());
        ASSERT_NE(target, nullptr) << "every bad guy hunts someone";
        EXPECT_EQ(badGuy->getMode(), FaceAndFollow) << "facing its prey, to shoot it";
        EXPECT_EQ(target->classId(), Figure::FigureClassId);
        EXPECT_TRUE(target == badGuy || !static_cast<Figure*>(target)->isBad());
        EXPECT_NE(target, city.getPlayer());
    }
    run(100);
    for (Figure* badGuy : figuresOf(city, true)) {
        EXPECT_LT(badGuy->position.y, start[badGuy] - 8) << "every bad guy has come down";
    }
    EXPECT_GE(city.goodLeft(), 40) << "ten bad guys fire about once in five seconds each";
    startNextLevel();
    city.update();
    EXPECT_EQ(city.badGuysLeft(), 25);
    city.maxBadGuys = 30;
    EXPECT_EQ(city.addFigures(50, true), 5) << "the city holds a bounded number of bad guys";
    city.maxBadGuys = 2000;
    for (Figure* figure : figuresOf(city)) {
        if (!figure->isBad() && figure != city.getPlayer()) {
            figure->hit();  // and still rising when the new game starts
            break;
        }
    }
    startNewGame();
    run(25);
    int standing = 0;
    for (Figure* figure : figuresOf(city)) {
        standing += !figure->isBad() && !figure->isRising() && figure != city.getPlayer();
    }
    EXPECT_EQ(standing + city.citizensShot(), 50)
        << "a citizen the old game hit leaves it: the new one has fifty of its own";
    EXPECT_EQ(level, 1);
    EXPECT_EQ(city.badGuysLeft(), 10)
        << "a new game starts over; the old bad guys rise out uncounted";
    for (Figure* figure : figuresOf(city)) {
        figure->setBad();
    }
    EXPECT_EQ(city.randomCitizen(), nullptr) << "with no citizen left, nobody to hunt";
}

// Pins a level played with the keys down: any change to a rule shows here.
TEST_F(Worlds, ALevelPlaysOutTheSameEveryTime) {
    startNextLevel();
    city.steerForward(true);
    city.steerLeft(true);
    city.playerFire(true);
    run(200);
    std::uint32_t hash = 2166136261u;
    hashTree(city, hash);
    EXPECT_EQ(hash, 1410887291u);
    EXPECT_EQ(std::make_tuple(city.score(), city.badGuysLeft(), city.goodLeft()),
              std::make_tuple(-160, 10, 36));
}

// An idle player's city, thirty seconds into level 1: easy keeps most of it,
// hard loses it sooner than normal, whose rules the test above pins.
TEST_F(Worlds, EasyKeepsAnIdlePlayersCityLongerAndHardLosesItSooner) {
    int left[difficultyCount] = {};
    for (int d = 0; d < difficultyCount; ++d) {
        seedRandom(1);
        World idle;
        idle.build();
        ScopedWorld playing{idle};
        chosenDifficulty = Difficulty(d);
        startNewGame();
        for (int i = 0; i < 650; ++i) {
            idle.update();
        }
        left[d] = idle.goodLeft() - 1;
    }
    chosenDifficulty = Difficulty::Normal;
    EXPECT_GE(left[int(Difficulty::Easy)], 40);
    EXPECT_LT(left[int(Difficulty::Normal)], 30);
    EXPECT_LT(left[int(Difficulty::Hard)], left[int(Difficulty::Normal)]);
}

// What the sound hears of the shots: where each was fired from, and each hit.
struct HeardShots : GameListener {
    void shotFired(const Vector3& from) override { heard.push_back(int(from.z)); }
    void figureHit(const Vector3&, bool badGuy) override { heard.push_back(badGuy ? 100 : -10); }
    std::vector<int> heard;
};

TEST_F(Worlds, ShotsCostCitizensScoreBadGuysAndSpareThePlayer) {
    HeardShots listener;
    gameListener = &listener;
    Figure* citizen = figuresOf(city).back();
    clearTheLineOfFireBut(citizen, Vector3(0, 0, -12));
    city.fire(city.getPlayer());
    EXPECT_EQ(city.score(), 0) << "a figure behind the shooter is not hit";
    clearTheLineOfFireBut(citizen, Vector3(0, 0, 12));
    city.fire(city.getPlayer());
    EXPECT_EQ(city.score(), -10);
    EXPECT_TRUE(citizen->isRising());
    run(19);
    EXPECT_TRUE(isChild(city, citizen)) << "still rising after 19 steps";
    run(1);
    EXPECT_FALSE(isChild(city, citizen)) << "gone on the 20th";

    city.addFigures(1, true);
    Figure* badGuy = figuresOf(city, true).back();
    clearTheLineOfFireBut(badGuy, Vector3(1, 0, 30));
    badGuy->rotation = Vector3(0, 180, 0);  // facing the player
    city.fire(badGuy);
    EXPECT_EQ(city.score(), -10) << "the player cannot be hit";
    useOctrees = 0;
    city.fire(city.getPlayer());
    EXPECT_EQ(city.score(), 90) << "without the octree the shot hits all the same";
    gameListener = nullptr;
    EXPECT_EQ(listener.heard, (std::vector<int>{0, 0, -10, 30, 0, 100}));
}

// Twenty levels under the sanitizers' eyes: the player steps up to each bad guy
// in turn, wherever it stands, and fires, as a perfect player would.
TEST_F(Worlds, TwentyLevelsPlayThrough) {
    Figure* player = city.getPlayer();
    long heapAfterLevel2 = 0;
    std::shared_ptr<Geometry> firstBadGuyLook, lastBadGuyLook;
    run(60);
    for (int l = 1; l <= 20; ++l) {
        startNextLevel();
        run(60);
        (l == 1 ? firstBadGuyLook : lastBadGuyLook) = figuresOf(city, true).back()->getGeometry();
        for (int tries = 0; city.badGuysLeft() > 0 && tries < 4000; ++tries) {
            for (Figure* badGuy : figuresOf(city, true)) {
                player->position = badGuy->position - Vector3(0, 0, 8);
                player->rotation = Vector3();
                city.fire(player);
            }
            city.update();
        }
        ASSERT_EQ(city.badGuysLeft(), 0) << "level " << l;
        if (l == 2) {
            heapAfterLevel2 = heapInUse();
        }
    }
    EXPECT_EQ(level, 20);
    EXPECT_GT(city.score(), 0);
    // What left the city is freed, and every bad guy shows the one copy of each model.
    EXPECT_LT(heapInUse() - heapAfterLevel2, 256 * 1024) << "bytes more after level 20";
    EXPECT_EQ(lastBadGuyLook, firstBadGuyLook);
}

TEST_F(Worlds, FiguresAndBirdsWrapOverTheEdgesOfTheSquare) {
    Figure* walker = city.getPlayer();
    walker->position = Vector3(69.99f, 0, 0);
    walker->velocity = Vector3(0.5f, 0, 0);
    const auto cameraWas = std::make_tuple(camera.position, camera.smoothPosition, camera.anchor);
    camera.setMode(Follow);
    camera.position = Vector3(60, 3, 0);
    camera.update();
    city.update();
    camera.update();
    camera.setMode(JustBehind);
    EXPECT_FLOAT_EQ(walker->position.x, -70);
    EXPECT_FLOAT_EQ(walker->drawPosition.x, -70) << "not drawn sliding across the city";
    EXPECT_LT(camera.smoothPosition.x, -70) << "the camera goes along, not across the city";
    std::tie(camera.position, camera.smoothPosition, camera.anchor) = cameraWas;

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

// A game's replay starts from a snapshot: the game must go on from it exactly
// as it went on in the run it was taken from, whatever the run had come to.
TEST_F(Worlds, AGameGoesOnFromItsSnapshotExactlyAsItWouldHave) {
    startNextLevel();
    playOn(city, 120);
    city.addFigures(50, true);
    playOn(city, 40);
    chosenDifficulty = Difficulty::Hard;
    city.toggleLight1();
    startNewGame();  // the old bad guys rise out while the new ones drop in
    // Just after the start, with figures gone but still followed, without octrees.
    for (int moment = 0; moment < 3; ++moment) {
        useOctrees = moment < 2;
        playOn(city, moment == 0 ? 1 : 20);
        const std::string snapshot = snapshotOfRun(city);
        playOn(city, 60);
        const std::string played = snapshotOfRun(city);
        World again;
        again.build();
        const int figures = again.moverCount();
        EXPECT_FALSE(restoreRun(snapshot.substr(0, snapshot.size() / 2), again));
        EXPECT_EQ(again.moverCount(), figures) << "a snapshot cut short changes no figure";
        EXPECT_FALSE(restoreRun(snapshot + "more 1\n", again));
        ASSERT_TRUE(restoreRun(snapshot, again));
        playOn(again, 60);
        EXPECT_EQ(firstDifference(snapshotOfRun(again), played), "") << "moment " << moment;
        camera.setTarget(city.getPlayer());
    }
}
