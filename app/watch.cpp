// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/watch.h"

#include <cstdint>
#include <iostream>
#include <memory>
#include <sstream>

#include "app/frame_clock.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/settings_in_force.h"
#include "app/shell_state.h"
#include "app/startup.h"
#include "app/window_modes.h"
#include "control/camera.h"
#include "core/random.h"
#include "game/game_state.h"
#include "game/world.h"
#include "saves/settings.h"
#include "scene/switches.h"
#include "screens/notice.h"
#include "screens/title_screen.h"

namespace vortimbal {

namespace {

// The last picture of a replay stays this many steps.
constexpr int holdSteps = 80;

// What the camera shows, as the player left it.
struct CameraView {
    int mode;
    float distance;
    Controller* target;
    Vector3 position, rotation, anchor, smoothPosition, smoothRotation;

    static CameraView of(const Camera& c) {
        return {c.getMode(), c.getDistance(), c.getTarget(),    c.position,
                c.rotation,  c.anchor,        c.smoothPosition, c.smoothRotation};
    }
    void applyTo(Camera& c) const {
        c.setMode(mode);
        c.setDistance(distance);
        c.setTarget(target);
        c.position = position;
        c.rotation = rotation;
        c.anchor = anchor;
        c.smoothPosition = smoothPosition;
        c.smoothRotation = smoothRotation;
        c.velocity = c.spin = c.thrust = Vector3();
    }
};

// Everything of the run a replay played in the window changes.
struct Run {
    std::uint32_t random;
    int gameState, level;
    bool gameUnderway;
    Difficulty chosenDifficulty;
    bool difficultyHeld;
    long stepsTaken;
    int page, titleSelection;
    Settings settings;
    bool mutedForRun;
    int switches[4];
    CameraView camera;
    int fullScreen, gameMode;
};

std::unique_ptr<Run> waiting;
std::unique_ptr<World> stage;
int holdLeft = 0;

int* const switchesOfTheScene[4] = {&showBoundingCubes, &showSurfaces, &useClipping, &useOctrees};

Run keepRun() {
    Run run{0,
            gameState,
            level,
            gameUnderway,
            chosenDifficulty,
            difficultyHeld,
            stepsTaken,
            helpShown,
            titleSelection,
            settings,
            mutedForRun,
            {},
            CameraView::of(camera),
            inFullScreen,
            inGameMode};
    for (int i = 0; i < 4; ++i) {
        run.switches[i] = *switchesOfTheScene[i];
    }
    return run;
}

// As a run begins, so the replay finds what it was recorded from.
void startAsARunDoes() {
    static const int startingSwitches[4] = {0, 1, 1, 1};
    for (int i = 0; i < 4; ++i) {
        *switchesOfTheScene[i] = startingSwitches[i];
    }
    gameState = Title;
    level = 0;
    gameUnderway = false;
    stepsTaken = 0;
    helpShown = MenuPage;
    titleSelection = NewGameItem;
    menuOpen = false;
    const CameraView start{JustBehind,   10,         nullptr,    {0, 3, 20},
                           {0, -180, 0}, {0, 3, 20}, {0, 3, 20}, {0, -180, 0}};
    start.applyTo(camera);
    stage = std::make_unique<World>();
    buildWorld(*stage);
    gameWorld = stage.get();
    gameWorld->switchOnLights();
}

void bringBack(const Run& run) {
    seedRandom(run.random);
    gameState = run.gameState;
    level = run.level;
    gameUnderway = run.gameUnderway;
    chosenDifficulty = run.chosenDifficulty;
    difficultyHeld = run.difficultyHeld;
    stepsTaken = run.stepsTaken;
    helpShown = run.page;
    titleSelection = run.titleSelection;
    settings = run.settings;
    mutedForRun = run.mutedForRun;
    for (int i = 0; i < 4; ++i) {
        *switchesOfTheScene[i] = run.switches[i];
    }
    run.camera.applyTo(camera);
    // A replayed menu choice may have changed the window itself.
    if (inGameMode != run.gameMode) {
        toggleGameMode();
    }
    if (inFullScreen != run.fullScreen) {
        toggleFullScreen();
    }
}

}  // namespace

bool watchReplay(const std::string& file) {
    if (watching()) {
        return false;
    }
    auto run = std::make_unique<Run>(keepRun());
    std::ostringstream why;
    if (!startReplay(file, why)) {
        chosenDifficulty = run->chosenDifficulty;
        showNotice("this replay cannot be read");
        return false;
    }
    std::cout << "Watching the replay " << file << '\n';
    // The replay's city is drawn from the sequence as every run draws it.
    run->random = seedRandom(1);
    waiting = std::move(run);
    holdRecording(true);
    holdLeft = holdSteps;
    startAsARunDoes();
    return true;
}

bool watching() {
    return waiting != nullptr;
}

void finishWatching() {
    const bool claims = replayClaims(), asClaimed = endsAsClaimed();
    if (holdLeft == holdSteps) {
        std::cout << "The replay ends"
                  << (!claims     ? ""
                      : asClaimed ? " as it claims"
                                  : " not as it claims")
                  << ": " << summaryLine() << '\n';
    }
    // Said for as long as the last picture stays.
    showNotice(!claims     ? "end of the replay"
               : asClaimed ? "end of the replay - it ends as it claims"
                           : "end of the replay - it does not end as it claims");
    if (--holdLeft <= 0) {
        stopWatching();
    }
}

bool watchOver() {
    return watching() && holdLeft < holdSteps;
}

void stopWatching() {
    if (!watching()) {
        return;
    }
    stopReplay();
    bringBack(*waiting);
    waiting.reset();
    gameWorld = &world;
    stage.reset();
    world.switchOnLights();
    applySettings();
    holdRecording(false);
    restartClock();
}

}  // namespace vortimbal
