// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// A newcomer to the game, for the benchmark: it plays level 1 with a human's
// limits and says how it went. It sees only bad guys in its view that no
// house hides (else it walks on and looks round), turns
// with the arrow keys as a player does, walks up to a bad guy far away, and
// fires only once the aim mark has shown red for its reaction time (0.4 s at
// the quickest). Its hesitation comes from a sequence of its own, so each
// SEED plays another game in the same city. Run from the data folder under a
// display: newcomer DIFFICULTY SEED; it prints "won CITIZENS" or "lost
// CITIZENS", the citizens left when level 1 ended or time ran out.

#include <GL/freeglut.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>

#include "app/frame_clock.h"
#include "app/keyboard.h"
#include "app/startup.h"
#include "game/figure.h"
#include "game/game_state.h"
#include "game/world.h"
#include "tools/player_sight.h"

using namespace vortimbal;

namespace {

constexpr long stepsPerSecond = 20;
// Ten minutes of play: a level not won by then is lost.
constexpr long giveUpSteps = 10 * 60 * stepsPerSecond;
constexpr int quickestReaction = 8;  // steps: 0.4 s
constexpr int slowestReaction = 14;  // 0.7 s
constexpr int decisionSteps = 10;    // a new look round every half second
constexpr float walkUpBeyond = 30;   // units
constexpr float turnAboveDegrees = 15;
// Half the view's width: a bad guy outside it is not seen, however near.
constexpr float viewHalfDegrees = 30;
constexpr float aimedDegrees = 3;

// The nearest bad guy on the ground in the view that no house hides, or null.
const Figure* nearestSeenBadGuy(const World& city) {
    const Figure& player = *city.getPlayer();
    return nearestBadGuy(city, [&](const Figure& figure) {
        return !figure.isFalling() &&
               std::fabs(angleTo(player, figure.position)) <= viewHalfDegrees &&
               city.inSight(player.position, figure.position);
    });
}

// The keys held, pressed and released through the game's own callbacks.
struct Keys {
    int turning = 0;
    bool walking = false;
    bool fireDown = false;

    void turn(int key) {
        if (key != turning) {
            if (turning != 0) {
                onSpecialUp(turning, 0, 0);
            }
            if (key != 0) {
                onSpecialDown(key, 0, 0);
            }
            turning = key;
        }
    }
    void walk(bool on) {
        if (on != walking) {
            (on ? onSpecialDown : onSpecialUp)(GLUT_KEY_UP, 0, 0);
            walking = on;
        }
    }
    void fire() {
        onKeyDown(' ', 0, 0);
        fireDown = true;
    }
    bool releaseFire() {
        if (!fireDown) {
            return false;
        }
        onKeyUp(' ', 0, 0);
        fireDown = false;
        return true;
    }
};

class Newcomer {
  public:
    explicit Newcomer(unsigned seed) : own(seed) {}

    void play(Keys& keys, bool justReleased) {
        if (stepsTaken >= nextLook) {
            target = nearestSeenBadGuy(world);
            nextLook = stepsTaken + decisionSteps;
        }
        const Figure& player = *world.getPlayer();
        if (target == nullptr || target->isRising()) {
            // Nobody in sight: walk on and look round.
            keys.walk(true);
            keys.turn(GLUT_KEY_RIGHT);
            redSince = -1;
            return;
        }
        const float angle = angleTo(player, target->position);
        const bool turning = std::fabs(angle) >= turnAboveDegrees ||
                             (std::fabs(angle) >= aimedDegrees && stepsTaken % 2 == 0);
        keys.turn(!turning ? 0 : angle > 0 ? GLUT_KEY_RIGHT : GLUT_KEY_LEFT);
        const float distance = std::sqrt((target->position - player.position).lengthSquared());
        keys.walk(distance > walkUpBeyond);
        aimAndFire(keys, justReleased);
    }

  private:
    // Fires once the mark has been red for this player's reaction time.
    void aimAndFire(Keys& keys, bool justReleased) {
        if (world.lineOfFire().target != LineOfFire::BadGuy) {
            redSince = -1;
            return;
        }
        if (redSince < 0) {
            redSince = stepsTaken;
            reaction = std::uniform_int_distribution<int>(quickestReaction, slowestReaction)(own);
        }
        if (stepsTaken - redSince >= reaction && !justReleased) {
            keys.fire();
            redSince = -1;
        }
    }

    std::mt19937 own;
    const Figure* target = nullptr;
    long nextLook = 0;
    long redSince = -1;
    int reaction = quickestReaction;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || !difficultyFromName(argv[1], chosenDifficulty)) {
        std::fprintf(stderr, "usage: newcomer easy|normal|hard SEED\n");
        return 2;
    }
    Newcomer newcomer(unsigned(std::strtoul(argv[2], nullptr, 10)));
    int glutArgc = 1;
    if (!startUpReported([&] { startUp(&glutArgc, argv); }, std::cerr)) {
        return 1;
    }
    fastStepsPerFrame = -1;
    Keys keys;
    long started = -1;
    while (gameState != LevelCleared && gameState != GameOver &&
           (started < 0 || stepsTaken - started < giveUpSteps)) {
        glutMainLoopEvent();
        noteLoopTurn();
        // A press in the turn of its own release would pass for a key repeat.
        const bool justReleased = keys.releaseFire();
        if (gameState == Title) {
            if (!justReleased) {
                keys.fire();  // "New Game"
            }
        } else if (gameState == Playing) {
            started = started < 0 ? stepsTaken : started;
            newcomer.play(keys, justReleased);
        }
        onIdle();
    }
    std::printf("%s %d\n", gameState == LevelCleared ? "won" : "lost", world.goodLeft() - 1);
    std::fflush(stdout);
    std::_Exit(0);
}
