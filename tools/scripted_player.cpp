// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// A scripted player for the replay guard: it starts a game, turns towards
// the nearest bad guy on the ground and fires when it faces it, and goes on
// after each cleared level. Once LEVELS levels are cleared it calls "Add Bad
// Guys" and plays 200 more steps (or until the game is lost). Every input it
// gives is recorded with --record's machinery. Run from the data folder under
// a display: scripted_player FILE LEVELS; it prints the line a replay of FILE
// must end with.

#include <GL/freeglut.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "app/clean_exit.h"
#include "app/frame_clock.h"
#include "app/keyboard.h"
#include "app/menus.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/startup.h"
#include "game/figure.h"
#include "game/game_state.h"
#include "game/world.h"
#include "tools/player_sight.h"

using namespace vortimbal;

namespace {

constexpr int addBadGuysMenuId = 16;
constexpr long stepsAfterRaid = 200;
// Turning keeps some speed after the key is let go, so the turn stops early.
constexpr float turnAboveDegrees = 15;
constexpr float aimedDegrees = 3;

const Figure* nearestBadGuyOnTheGround(const World& city) {
    return nearestBadGuy(city, [](const Figure& figure) { return figure.position.y <= 0.5f; });
}

struct Keys {
    int turning = 0;  // the special key held, or 0
    bool fireDown = false;

    void turn(int key) {
        if (key == turning) {
            return;
        }
        if (turning != 0) {
            onSpecialUp(turning, 0, 0);
        }
        if (key != 0) {
            onSpecialDown(key, 0, 0);
        }
        turning = key;
    }
    void fire() {
        onKeyDown(' ', 0, 0);
        fireDown = true;
    }
    void releaseFire() {
        if (fireDown) {
            onKeyUp(' ', 0, 0);
            fireDown = false;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: scripted_player FILE LEVELS\n");
        return 2;
    }
    const int levels = std::atoi(argv[2]);
    int glutArgc = 1;
    beginRun();
    if (!startRecording(argv[1], std::cerr) ||
        !startUpReported([&] { startUp(&glutArgc, argv); }, std::cerr)) {
        return 1;
    }
    fastStepsPerFrame = -1;
    Keys keys;
    bool raided = false;
    long raidStep = 0;
    while (true) {
        glutMainLoopEvent();
        noteLoopTurn();
        // A press in the turn of its own release would pass for a key repeat.
        const bool justReleased = keys.fireDown;
        keys.releaseFire();
        if (gameState == GameOver || (raided && stepsTaken >= raidStep + stepsAfterRaid)) {
            break;
        }
        if (gameState == Title || gameState == LevelCleared) {
            keys.turn(0);
            if (!justReleased) {
                keys.fire();  // chooses "New Game" on the title, goes on after a level
            }
        } else if (const Figure* target = nearestBadGuyOnTheGround(world)) {
            const float angle = angleTo(*world.getPlayer(), target->position);
            // Close to the mark the key is only tapped, every other step.
            const bool turning = std::fabs(angle) >= turnAboveDegrees ||
                                 (std::fabs(angle) >= aimedDegrees && stepsTaken % 2 == 0);
            keys.turn(!turning ? 0 : angle > 0 ? GLUT_KEY_RIGHT : GLUT_KEY_LEFT);
            if (std::fabs(angle) < aimedDegrees && !justReleased) {
                keys.fire();
            }
        } else {
            keys.turn(0);
        }
        if (level > levels && !raided) {
            onMenuChoice(addBadGuysMenuId);
            raided = true;
            raidStep = stepsTaken;
        }
        onIdle();
    }
    endGame();  // finishes the recording and prints the closing line
}
