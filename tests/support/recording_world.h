// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/exception.h"
#include "core/snapshot.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "scene/switches.h"

// A world for shell tests: it keeps the census it is told, counts its steps
// and logs every command it receives, as "steerLeft on", "addFigures 50 bad"...
class RecordingWorld : public vortimbal::PlayableWorld {
  public:
    void update() override {
        ++steps;
        if (throwOnUpdate) {
            throw new vortimbal::Exception("Index out of bounds");
        }
    }
    void draw() override {
        drawnWith.push_back({vortimbal::showSurfaces, vortimbal::showBoundingCubes});
    }

    int badGuysLeft() const override { return badGuys; }
    int goodLeft() const override { return good; }
    int score() const override { return points; }
    int citizensShot() const override { return 0; }

    int addFigures(int count, bool bad) override {
        (bad ? badGuys : good) += count;
        log("addFigures " + std::to_string(count) + (bad ? " bad" : " good"));
        return count;
    }
    void removeBadGuys() override {
        badGuys = 0;
        log("removeBadGuys");
    }
    void setDifficulty(vortimbal::Difficulty chosen) override { difficulty = chosen; }
    vortimbal::Difficulty getDifficulty() const override { return difficulty; }
    void resetPlayer(float speedFactor) override {
        lastSpeedFactor = speedFactor;
        log("resetPlayer");
    }
    void playerFire(bool pressed) override { log("playerFire", pressed); }
    void steerLeft(bool pressed) override { log("steerLeft", pressed); }
    void steerForward(bool pressed) override { log("steerForward", pressed); }
    void steerRight(bool pressed) override { log("steerRight", pressed); }
    void steerBack(bool pressed) override { log("steerBack", pressed); }
    void steerAnalogue(float forward, float right) override {
        log("steerAnalogue " + std::to_string(int(forward * 1000)) + " " +
            std::to_string(int(right * 1000)));
    }
    void turnPlayer(float degrees) override {
        log("turnPlayer " + std::to_string(int(degrees * 1000)));
    }
    void save(vortimbal::SnapshotWriter& out) const override {
        out.line("stand-in") << badGuys << good << points;
    }
    bool restore(vortimbal::SnapshotReader& in) override {
        in.line("stand-in").in(badGuys, 0, 10000).in(good, 0, 10000).in(points, -100000, 100000);
        return in.ok();
    }
    void switchOnLights() override { log("switchOnLights"); }
    bool toggleLight0() override {
        log("toggleLight0");
        return false;
    }
    bool toggleLight1() override {
        log("toggleLight1");
        return true;
    }
    vortimbal::LineOfFire lineOfFire() const override { return aim; }
    void badGuysAt(std::vector<vortimbal::Vector3>& into) const override { into.clear(); }

    std::vector<std::string> commands;
    // showSurfaces and showBoundingCubes as each draw found them.
    std::vector<std::pair<int, int>> drawnWith;
    int steps = 0;
    bool throwOnUpdate = false;
    vortimbal::Difficulty difficulty = vortimbal::Difficulty::Normal;
    int badGuys = 10;
    int good = 51;
    int points = 0;
    float lastSpeedFactor = 0;
    vortimbal::LineOfFire aim;

  private:
    void log(const std::string& command) { commands.push_back(command); }
    void log(const std::string& command, bool pressed) {
        log(command + (pressed ? " on" : " off"));
    }
};

// Puts a world in the shell's hands for as long as it lives, then gives the
// previous one back.
class ScopedWorld {
  public:
    explicit ScopedWorld(vortimbal::PlayableWorld& world) : previous(vortimbal::gameWorld) {
        vortimbal::gameWorld = &world;
    }
    ScopedWorld(const ScopedWorld&) = delete;
    ScopedWorld& operator=(const ScopedWorld&) = delete;
    ~ScopedWorld() { vortimbal::gameWorld = previous; }

  private:
    vortimbal::PlayableWorld* previous;
};
