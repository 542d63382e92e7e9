#include "app/hud.h"

#include <cstdio>

#include "app/game_state.h"
#include "app/high_scores.h"
#include "app/stroke_font.h"
#include "game/playable_world.h"

namespace vortimbal {

namespace {

constexpr float hudSize = 0.1f;
constexpr float citizensSize = 0.0455f;
constexpr float bannerShadow = 0.02f;

// A big white line with its black shadow below and to the right.
void drawBanner(const char* text, float y, float size) {
    drawTextCentered(text, bannerShadow, y - bannerShadow, size, 0, 0, 0);
    drawTextCentered(text, 0, y, size, 1, 1, 1);
}

}  // namespace

void drawHud() {
    char text[1024];
    std::snprintf(text, sizeof text, "score: %d", gameWorld->score());
    drawTextRight(text, 0.98f, 0.98f, hudSize, 0.7f, 0.7f, 1.0f);
    std::snprintf(text, sizeof text, "%d", gameWorld->badGuysLeft());
    drawTextCentered(text, 0, -0.89f, hudSize, 0.5f, 0, 0);
    std::snprintf(text, sizeof text, "level %d", level);
    drawText(text, -0.98f, 0.98f, hudSize, 0.7f, 0.7f, 1.0f);
    std::snprintf(text, sizeof text, "%d citizens left", gameWorld->goodLeft() - 1);
    drawText(text, -0.98f, 0.85f, citizensSize, 0.7f, 0.7f, 1.0f);

    if (gameState == LevelCleared) {
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

}  // namespace vortimbal
