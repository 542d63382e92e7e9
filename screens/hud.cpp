// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/hud.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/playable_world.h"
#include "saves/high_scores.h"
#include "saves/settings.h"
#include "screens/aim_marker.h"
#include "screens/notice.h"
#include "screens/screen_state.h"
#include "screens/stroke_font.h"
#include "screens/threat_marks.h"

namespace vortimbal {

namespace {

constexpr float hudSize = 0.1f;
constexpr float citizensSize = 0.0455f;
constexpr float bannerShadow = 0.02f;
// How long a lost citizen's cost stands beside the score: 1.5 s.
constexpr long lossShownSteps = 30;

// The HUD's distance from the window's edges: a share of the window, and never
// under a few pixels, so no outline or digit is cut off at any size.
struct Margins {
    float x, y;
};
Margins margins() {
    GLint viewport[4] = {0, 0, 640, 480};
    glGetIntegerv(GL_VIEWPORT, viewport);
    constexpr float pixels = 10;
    return {std::max(0.03f, 2 * pixels / float(std::max(viewport[2], 1))),
            std::max(0.03f, 2 * pixels / float(std::max(viewport[3], 1)))};
}

void noteCitizensShot(int shot) {
    RecentLoss& loss = screenState.loss;
    if (gameWorld != loss.worldSeen) {
        loss.worldSeen = gameWorld;
        loss.citizensSeen = -1;
    }
    if (loss.citizensSeen >= 0 && shot > loss.citizensSeen) {
        loss.citizens =
            (stepsTaken < loss.shownUntil ? loss.citizens : 0) + shot - loss.citizensSeen;
        loss.shownUntil = stepsTaken + lossShownSteps;
    }
    loss.citizensSeen = shot;
}

// Frames drawn in the last whole second, for the readout.
int framesThisSecond = 0;
int framesLastSecond = 0;
double secondStart = 0;

// The bad guys' count, with a small red figure before it to say what it counts.
void drawBadGuysLeft(int count, float y) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", count);
    const float width = float(std::strlen(text)) * hudSize * advanceFactor;
    const char mark[] = {figureMark, '\0'};
    drawOutlinedText(mark, -width / 2 - 0.02f, y, hudSize, 0.9f, 0.1f, 0.1f, Align::Right);
    drawOutlinedText(text, 0, y, hudSize, 0.5f, 0, 0, Align::Centre);
}

// The score, and beside it what lost citizens just cost, so a falling score
// is never a mystery.
void drawScore(float right, float top) {
    char text[64];
    noteCitizensShot(gameWorld->citizensShot());
    std::snprintf(text, sizeof text, "score: %d", gameWorld->score());
    drawOutlinedText(text, right, top, hudSize, 0.7f, 0.7f, 1.0f, Align::Right);
    if (stepsTaken < screenState.loss.shownUntil) {
        std::snprintf(text, sizeof text, "-%d", 10 * screenState.loss.citizens);
        drawOutlinedText(text, right, top - hudSize - 0.03f, 0.07f, 1.0f, 0.3f, 0.2f, Align::Right);
    }
}

// A big white line with its black shadow below and to the right.
void drawBanner(const char* text, float y, float size) {
    drawTextCentered(text, bannerShadow, y - bannerShadow, size, 0, 0, 0);
    drawOutlinedText(text, 0, y, size, 1, 1, 1, Align::Centre);
}

}  // namespace

void drawHud(const char* replay) {
    char text[1024];
    // Under the HUD's lines, which must always read.
    if (gameState == Playing) {
        drawThreatMarks();
    }
    const Margins margin = margins();
    const float left = -1 + margin.x, right = 1 - margin.x, top = 1 - margin.y;
    const float bottom = -1 + margin.y;
    drawScore(right, top);
    drawBadGuysLeft(gameWorld->badGuysLeft(), bottom + hudSize);
    std::snprintf(text, sizeof text, "level %d", level);
    drawOutlinedText(text, left, top, hudSize, 0.7f, 0.7f, 1.0f);
    const int citizens = gameWorld->goodLeft() - 1;
    std::snprintf(text, sizeof text, citizens == 1 ? "%d citizen left" : "%d citizens left",
                  citizens);
    drawOutlinedText(text, left, top - hudSize - 0.03f, citizensSize, 0.7f, 0.7f, 1.0f);
    if (replay) {
        drawOutlinedText(replay, left, bottom + 0.07f, 0.07f, 1.0f, 0.6f, 0.2f);
        // Above the label: the bad guys' count takes the bottom's middle.
        drawOutlinedText("space: pause - left right: speed - end: to the end - esc: stop", left,
                         bottom + 0.17f, 0.035f, 1.0f, 0.8f, 0.6f);
    }
    if (settings.showFrameRate) {
        std::snprintf(text, sizeof text, "%d fps", framesLastSecond);
        drawOutlinedText(text, right, bottom + 0.06f, 0.06f, 0.7f, 1.0f, 0.7f, Align::Right);
    }
    if (gameState == Playing) {
        drawAimMarker();
    } else if (gameState == LevelCleared) {
        std::snprintf(text, sizeof text, "level %d cleared", level);
        drawBanner(text, 0.2f, 0.22f);
        // A replay goes on by itself and takes no key.
        if (!replay) {
            drawBanner("press fire", -0.4f, 0.13f);
        }
    } else if (gameState == GameOver) {
        drawBanner("Game Over", 0.2f, 0.23f);
        if (replay) {
            return;
        }
        if (highScores.newest() >= 0) {
            std::snprintf(text, sizeof text, "high score number %d", highScores.newest() + 1);
            drawBanner(text, -0.1f, 0.09f);
        }
        drawBanner("press enter", -0.4f, 0.13f);
        // A first game lost at once is a game too hard for now, not a player who failed.
        if (level == 1 && gameWorld->getDifficulty() != Difficulty::Easy) {
            drawBanner("too hard - try easy on the Options page", -0.62f, 0.06f);
        }
    }
}

void countFrame(double now) {
    ++framesThisSecond;
    if (now - secondStart >= 1000) {
        // Frames over the time they took: a count over a window a little past
        // a second read 61 under a cap of 60.
        framesLastSecond = int(std::lround(framesThisSecond * 1000 / (now - secondStart)));
        framesThisSecond = 0;
        secondStart = now;
    }
}

int frameRateShown() {
    return framesLastSecond;
}

void drawNotice() {
    const std::string notice = currentNotice();
    if (!notice.empty()) {
        // In play above the bottom line, which a long notice would run into; on
        // the title below its last item.
        const float y = gameState == Title ? -0.9f : -0.76f;
        drawOutlinedText(notice.c_str(), -1 + margins().x, y, 0.065f, 1.0f, 1.0f, 0.6f);
    }
}

}  // namespace vortimbal
