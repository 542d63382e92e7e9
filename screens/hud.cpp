// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/hud.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/playable_world.h"
#include "saves/high_scores.h"
#include "saves/settings.h"
#include "screens/aim_marker.h"
#include "screens/notice.h"
#include "screens/stroke_font.h"

namespace vortimbal {

namespace {

constexpr float hudSize = 0.1f;
constexpr float citizensSize = 0.0455f;
constexpr float bannerShadow = 0.02f;

// Frames drawn in the last whole second, for the readout.
int framesThisSecond = 0;
int framesLastSecond = 0;
double secondStart = 0;

// The bad guys' count, with a small red figure before it to say what it counts.
void drawBadGuysLeft(int count) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", count);
    const float width = float(std::strlen(text)) * hudSize * advanceFactor;
    const char mark[] = {figureMark, '\0'};
    drawOutlinedText(mark, -width / 2 - 0.02f, -0.89f, hudSize, 0.9f, 0.1f, 0.1f, Align::Right);
    drawOutlinedText(text, 0, -0.89f, hudSize, 0.5f, 0, 0, Align::Centre);
}

// A big white line with its black shadow below and to the right.
void drawBanner(const char* text, float y, float size) {
    drawTextCentered(text, bannerShadow, y - bannerShadow, size, 0, 0, 0);
    drawOutlinedText(text, 0, y, size, 1, 1, 1, Align::Centre);
}

}  // namespace

void drawHud() {
    char text[1024];
    std::snprintf(text, sizeof text, "score: %d", gameWorld->score());
    drawOutlinedText(text, 0.98f, 0.98f, hudSize, 0.7f, 0.7f, 1.0f, Align::Right);
    drawBadGuysLeft(gameWorld->badGuysLeft());
    std::snprintf(text, sizeof text, "level %d", level);
    drawOutlinedText(text, -0.98f, 0.98f, hudSize, 0.7f, 0.7f, 1.0f);
    std::snprintf(text, sizeof text, "%d citizens left", gameWorld->goodLeft() - 1);
    drawOutlinedText(text, -0.98f, 0.85f, citizensSize, 0.7f, 0.7f, 1.0f);

    if (settings.showFrameRate) {
        std::snprintf(text, sizeof text, "%d fps", framesLastSecond);
        drawOutlinedText(text, 0.98f, -0.9f, 0.06f, 0.7f, 1.0f, 0.7f, Align::Right);
    }
    if (gameState == Playing) {
        drawAimMarker();
    } else if (gameState == LevelCleared) {
        std::snprintf(text, sizeof text, "level %d cleared", level);
        drawBanner(text, 0.2f, 0.22f);
        drawBanner("press fire", -0.4f, 0.13f);
    } else if (gameState == GameOver) {
        drawBanner("Game Over", 0.2f, 0.23f);
        if (highScores.newest() >= 0) {
            std::snprintf(text, sizeof text, "high score number %d", highScores.newest() + 1);
            drawBanner(text, -0.1f, 0.09f);
        }
        drawBanner("press enter", -0.4f, 0.13f);
    }
}

void countFrame(double now) {
    ++framesThisSecond;
    if (now - secondStart >= 1000) {
        framesLastSecond = framesThisSecond;
        framesThisSecond = 0;
        secondStart = now;
    }
}

void drawNotice() {
    const std::string notice = currentNotice();
    if (!notice.empty()) {
        // In play above the bottom line, which a long notice would run into; on
        // the title below its last item.
        const float y = gameState == Title ? -0.9f : -0.76f;
        drawOutlinedText(notice.c_str(), -0.98f, y, 0.065f, 1.0f, 1.0f, 0.6f);
    }
}

}  // namespace vortimbal
