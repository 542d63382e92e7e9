// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/watch.h"

#include <iostream>
#include <memory>
#include <sstream>

#include "app/frame_clock.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/run.h"
#include "app/settings_in_force.h"
#include "app/startup.h"
#include "game/game_state.h"
#include "game/world.h"
#include "saves/settings.h"
#include "screens/notice.h"

namespace vortimbal {

namespace {

// The last picture of a replay stays this many steps.
constexpr int holdSteps = 80;

// The player's run, set aside while a replay is watched.
std::unique_ptr<Run> waiting;
std::unique_ptr<World> stage;
int holdLeft = 0;

// A run as every run starts, but for what the player brings to it.
std::unique_ptr<Run> freshRun() {
    auto run = std::make_unique<Run>();
    run->settings = settings;
    run->shell.mutedForRun = mutedForRun;
    return run;
}

// The replay's city is drawn from the sequence as every run draws it.
void buildStage() {
    stage = std::make_unique<World>();
    buildWorld(*stage);
    gameWorld = stage.get();
    gameWorld->switchOnLights();
}

}  // namespace

bool watchReplay(const std::string& file) {
    if (watching()) {
        return false;
    }
    auto player = freshRun();
    player->swapWithPlayed();
    std::ostringstream why;
    if (!startReplay(file, why)) {
        player->swapWithPlayed();
        showNotice("this replay cannot be read");
        return false;
    }
    std::cout << "Watching the replay " << file << '\n';
    buildStage();
    if (!setUpReplayedGame(*stage, why)) {
        stage.reset();
        player->swapWithPlayed();
        gameWorld->switchOnLights();
        showNotice("this replay cannot be read");
        return false;
    }
    waiting = std::move(player);
    holdRecording(true);
    holdLeft = holdSteps;
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
    waiting->swapWithPlayed();
    waiting.reset();
    stage.reset();
    gameWorld->switchOnLights();
    applySettings();
    holdRecording(false);
    restartClock();
}

}  // namespace vortimbal
