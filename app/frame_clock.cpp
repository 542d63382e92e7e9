// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/frame_clock.h"

#include <GL/glut.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

#include "app/clean_exit.h"
#include "app/game_flow.h"
#include "app/keyboard.h"
#include "app/menus.h"
#include "app/mouse.h"
#include "app/pad_input.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/replay_pace.h"
#include "app/shell_state.h"
#include "app/startup.h"
#include "app/watch.h"
#include "audio/sound_player.h"
#include "control/camera.h"
#include "core/diagnostics.h"
#include "core/exception.h"
#include "game/game_listener.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "platform/clock.h"
#include "saves/high_scores.h"
#include "saves/replay_checks.h"
#include "scene/step_pose.h"
#include "screens/notice.h"

namespace vortimbal {

int maxFramesPerSecond = 0;
bool windowSeen = true;
int fastStepsPerFrame = 0;

namespace {

// How long the run before a watched game is skipped between two frames, so
// the window shows it under way and Escape stops it at once.
constexpr double skipSliceMs = 50;

TickSource tickSource = millisecondsNow;
Rest rest = pauseFor;
bool clockStarted = false;
// When the next frame is due under the cap. Frames keep to these deadlines,
// one period apart, so a whole-millisecond clock does not round every frame up.
double nextFrameTime = 0;
std::uint32_t lastTick = 0;
std::uint64_t unwrappedTick = 0;

void tell(void (GameListener::*event)()) {
    if (gameListener != nullptr) {
        (gameListener->*event)();
    }
}

// Runs only in play, so each end of a level or a game is told once.
void stepWorld() {
    gameWorld->update();
    if (gameWorld->goodLeft() == 1) {
        gameState = GameOver;
        tell(&GameListener::gameOver);
        // A replay plays an old game again: it is not a new one for the table.
        if (!replaying()) {
            const std::string replay = endGameRecording();
            highScores.add({gameWorld->score(), level, today(), gameWorld->getDifficulty(), replay},
                           std::cout);
            keepReplaysInBounds();
        }
    } else if (gameWorld->badGuysLeft() == 0) {
        gameState = LevelCleared;
        tell(&GameListener::levelCleared);
    }
}

// Real time between two steps: a replay's pace may bring them faster, but
// the last picture of one watched stays as long at any pace.
double stepInterval() {
    return replaying() && !watchOver() ? replayStepMs() : stepMs;
}

void step() {
    ++StepPose::step;
    feedReplay(stepsTaken);
    applyMouseTurn();
    simulationTime += stepInterval();
    camera.update();
    soundPlayer.followCamera();
    if (gameState == Playing && !menuOpen && !watchOver()) {
        stepWorld();
    }
    ++stepsTaken;
    openGameRecording();
}

// Milliseconds until the next frame may be drawn; 0 when one is due.
double frameWaitMs(double now) {
    if (!windowSeen) {
        return maxFrameGapMs;
    }
    if (maxFramesPerSecond <= 0) {
        return 0;
    }
    return std::max(0.0, nextFrameTime - now);
}

// Steps run back to back or skipped are shown as they end.
void showLastPose() {
    StepPose::fraction = 1;
    glutPostRedisplay();
}

// A frame late by more than a period starts the deadlines over rather than
// rushing out frames to catch up.
void showFrame(double now, double fraction) {
    StepPose::fraction = float(std::clamp(fraction, 0.0, 1.0));
    glutPostRedisplay();
    lastRedisplayTime = now;
    const double period = maxFramesPerSecond > 0 ? 1000.0 / maxFramesPerSecond : 0;
    nextFrameTime = std::max(nextFrameTime + period, now);
}

void advanceClock() {
    const bool paused = replaying() && replayPaused();
    // A watched game its player had paused does not keep the watcher on its title.
    if (watching() && gameState == Title && !watchOver() && !paused) {
        step();
        if (gameState != Title) {
            restartClock();
        }
        return;
    }
    if (fastStepsPerFrame != 0) {
        step();
        if (fastStepsPerFrame > 0 && stepsTaken % fastStepsPerFrame == 0) {
            showLastPose();
        }
        return;
    }
    const double now = currentTimeMs();
    if (paused) {
        // Held where it stands: resumed, it goes on from there, with no backlog.
        simulationTime = now;
    }
    const double interval = stepInterval();
    if (now - simulationTime <= interval) {
        const double wait = frameWaitMs(now);
        if (wait > 0) {
            // Just past the next step at the latest, so the simulation keeps time.
            rest(std::min(wait, simulationTime + interval + 1 - now));
            return;
        }
        // A paused replay stands where its last step left it.
        showFrame(now, paused ? 1 : (now - simulationTime) / interval);
        return;
    }
    step();
    if (now - lastRedisplayTime > maxFrameGapMs) {
        // Too far behind to catch up unseen: show a frame and drop the backlog.
        showLastPose();
        simulationTime = now;
        lastRedisplayTime = now;
    }
}

}  // namespace

void setTickSource(TickSource source, Rest restFor) {
    tickSource = source;
    rest = restFor;
    clockStarted = false;
    nextFrameTime = 0;
    StepPose::fraction = 1;
}

double currentTimeMs() {
    const std::uint32_t tick = tickSource();
    if (!clockStarted) {
        clockStarted = true;
        unwrappedTick = tick;
    } else {
        // Unsigned subtraction measures the true distance across a wrap.
        unwrappedTick += std::uint32_t(tick - lastTick);
    }
    lastTick = tick;
    return double(unwrappedTick);
}

void onIdle() {
    if (framesBeforeWarmUp < 1) {
        finishStartUp();
    }
    noteLoopTurn();
    pollPads();
    replayChecks.poll();
    refreshMenus();
    holdPointer();
    // A replay cut short by a signal must not pass for one played to its end;
    // one watched in the window is only the player's run, stopped.
    if (const int signal = stopRequested()) {
        endGame(replaying() && !watching() ? 128 + signal : 0);
    }
    try {
        if (replaying() && stepsTaken < replayedGameStart()) {
            skipToReplayedGame();
        } else if (replaying() && replayJumping() && stepsTaken < replayJumpTarget()) {
            skipTo(replayJumpTarget(), "to the end");
        } else {
            advanceClock();
        }
    } catch (Exception* caught) {
        std::unique_ptr<Exception> exception(caught);
        reportError(exception->what());
    }
}

void skipToReplayedGame() {
    skipTo(replayedGameStart(), "finding the game");
}

void skipTo(long target, const std::string& what) {
    // Seen, it goes by in slices with a frame between them, so a long run
    // shows it is under way rather than a frozen window.
    const double sliceEnd = currentTimeMs() + skipSliceMs;
    GameListener* const listener = gameListener;
    gameListener = nullptr;
    while (replaying() && stepsTaken < target && (headless || currentTimeMs() < sliceEnd)) {
        step();
    }
    gameListener = listener;
    if (replaying() && stepsTaken < target) {
        showNotice(what + " - " + std::to_string(100 * stepsTaken / std::max(1L, target)) + " %");
        showLastPose();
    }
    restartClock();
}

void restartClock() {
    simulationTime = lastRedisplayTime = currentTimeMs();
}

void runHeadless() {
    // No first frame comes to start the sound and the pads.
    finishStartUp();
    for (;;) {
        onIdle();
    }
}

void onWindowStatus(int state) {
    // In game mode the game's own full-screen window covers its ordinary one.
    if (inGameMode && glutGetWindow() == mainWindow) {
        return;
    }
    windowSeen = state != GLUT_HIDDEN && state != GLUT_FULLY_COVERED;
    // Citizens must not die unseen: a game the player cannot see waits on the title.
    if (!windowSeen && gameState == Playing && !replaying()) {
        recordInput(InputKind::Pause, 0, 0);
        pauseGame();
    }
}

}  // namespace vortimbal
