#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdlib>

#include "app/display.h"
#include "app/game_state.h"
#include "app/startup.h"
#include "app/stroke_font.h"
#include "app/title_screen.h"
#include "recording_world.h"
#include "render_window.h"

using namespace rendertest;
using namespace vortimbal;

namespace {

int toPixelX(float x) {
    return int(std::lround((x + 1) / 2 * width));
}
int toPixelY(float y) {
    return int(std::lround((y + 1) / 2 * height));
}

bool near(const Rgb& a, const Rgb& b) {
    return std::abs(a[0] - b[0]) <= 2 && std::abs(a[1] - b[1]) <= 2 && std::abs(a[2] - b[2]) <= 2;
}

Rgb toRgb(float r, float g, float b) {
    return {int(std::lround(r * 255)), int(std::lround(g * 255)), int(std::lround(b * 255))};
}

// How many pixels of the overlay box (x0, y0)-(x1, y1) have about this colour.
int countColor(float x0, float y0, float x1, float y1, const Rgb& color) {
    int n = 0;
    for (int y = toPixelY(y0); y < toPixelY(y1); ++y) {
        for (int x = toPixelX(x0); x < toPixelX(x1); ++x) {
            n += near(pixelAt(x, y), color) ? 1 : 0;
        }
    }
    return n;
}

class Screens : public RenderTest {
  protected:
    void SetUp() override {
        RenderTest::SetUp();
        initGLState();
        glClearColor(0.1f, 0.1f, 0.1f, 1);
        onReshape(width, height);
    }
    void TearDown() override {
        gameState = Title;
        titleSelection = NewGameItem;
        helpShown = 0;
    }

    void drawIn(int state, const char* screenshot) {
        gameState = state;
        drawFrame();
        expectNoGLError();
        saveScreenshot(screenshot);
    }

    RecordingWorld world;
    ScopedWorld usingWorld{world};
};

const Rgb white{255, 255, 255};

}  // namespace

TEST_F(Screens, TheTitleHighlightsTheSelectedItemInWhite) {
    titleSelection = 19;
    drawIn(Title, "title");
    const Rgb orange = toRgb(1.0f, 0.5f, 0.1f);
    const Rgb green = toRgb(0.7f, 1.0f, 0.1f);
    const Rgb blue = toRgb(0.3f, 0.3f, 0.7f);
    // Each item's band: New Game 0.2 to 0.0, Help -0.2 to -0.4, Quit -0.6 to -0.8.
    EXPECT_GT(countColor(-0.5f, 0.0f, 0.5f, 0.2f, white), 100);
    EXPECT_EQ(countColor(-0.5f, 0.0f, 0.5f, 0.2f, orange), 0);
    EXPECT_GT(countColor(-0.5f, -0.4f, 0.5f, -0.2f, green), 50);
    EXPECT_GT(countColor(-0.5f, -0.8f, 0.5f, -0.6f, blue), 50);
    EXPECT_GT(countColor(-0.9f, 0.5f, 0.9f, 0.8f, toRgb(0.8f, 0.9f, 1.0f)), 100) << "the title";

    titleSelection = 18;
    drawIn(Title, "title_quit");
    EXPECT_GT(countColor(-0.5f, 0.0f, 0.5f, 0.2f, orange), 100);
    EXPECT_GT(countColor(-0.5f, -0.8f, 0.5f, -0.6f, white), 50);
    EXPECT_EQ(countColor(-0.5f, -0.8f, 0.5f, -0.6f, blue), 0);
}

TEST_F(Screens, TheScoreLineEndsAtTheRightEdgeWhateverItsLength) {
    for (int points : {0, 12340}) {
        world.points = points;
        drawIn(Playing, points == 0 ? "hud" : "hud_long_score");
        const Rgb hudBlue = toRgb(0.7f, 0.7f, 1.0f);
        int rightmost = -1;
        int leftmost = width;
        for (int y = toPixelY(0.88f); y < toPixelY(0.98f); ++y) {
            for (int x = width / 2; x < width; ++x) {
                if (near(pixelAt(x, y), hudBlue)) {
                    rightmost = std::max(rightmost, x);
                    leftmost = std::min(leftmost, x);
                }
            }
        }
        // The last advance ends at 0.98; the glyph's cell ends a gap earlier.
        EXPECT_NEAR(rightmost, toPixelX(0.98f - 0.1f * 0.05f) - 1, 1) << points;
        const float textWidth = (points == 0 ? 8 : 12) * 0.1f * 0.55f;
        EXPECT_NEAR(leftmost, toPixelX(0.98f - textWidth), 1) << points;
    }
}

TEST_F(Screens, EveryStateDrawsWithoutAGLError) {
    world.badGuys = 0;
    drawIn(LevelCleared, "level_cleared");
    EXPECT_GT(countColor(-0.9f, 0.0f, 0.9f, 0.2f, white), 100) << "level 0 cleared";
    world.good = 1;
    drawIn(GameOver, "game_over");
    EXPECT_GT(countColor(-0.9f, 0.0f, 0.9f, 0.2f, white), 100) << "Game Over";
    helpShown = 1;
    drawIn(Title, "help");
    EXPECT_GT(countColor(-0.3f, 0.6f, 0.3f, 0.8f, toRgb(0.7f, 1.0f, 0.1f)), 50) << "Help";
}
