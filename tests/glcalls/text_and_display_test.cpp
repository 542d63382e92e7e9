#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/display.h"
#include "app/game_state.h"
#include "app/hud.h"
#include "app/stroke_font.h"
#include "gl_recorder.h"
#include "recording_world.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

std::vector<glrec::Call> vertices() {
    return glrec::named("glVertex3f");
}

float leftmostX() {
    float left = 1e9f;
    for (const auto& v : vertices()) {
        left = std::min(left, float(v.args[0]));
    }
    return left;
}

float currentColor(int i) {
    float color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    return color[i];
}

// True when `needle` stands as one unbroken run inside `haystack`.
bool containsRun(const std::vector<glrec::Call>& haystack, const std::vector<glrec::Call>& needle) {
    auto same = [](const glrec::Call& a, const glrec::Call& b) {
        return a.name == b.name && a.args == b.args;
    };
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(), same) !=
           haystack.end();
}

class TextCalls : public ::testing::Test {
  protected:
    void SetUp() override { glrec::reset(); }
};

}  // namespace

TEST_F(TextCalls, RightAlignedTextEndsItsLastAdvanceAtX) {
    drawTextRight("a b", 0.5f, 0, 0.1f, 1, 1, 1);
    EXPECT_FLOAT_EQ(leftmostX(), 0.5f - 3 * 0.1f * 0.55f);
    glrec::reset();
    drawTextRight("a  ", 0.5f, 0, 0.1f, 1, 1, 1);
    EXPECT_FLOAT_EQ(leftmostX(), 0.5f - 3 * 0.1f * 0.55f) << "trailing blanks count";
    glrec::reset();
    drawTextCentered("aa", 0, 0, 0.2f, 1, 1, 1);
    EXPECT_FLOAT_EQ(leftmostX(), -0.2f * 0.55f);
}

TEST_F(TextCalls, CharactersOutsideTheFontLeaveAGap) {
    drawText("a", 0, 0.5f, 0.1f, 1, 1, 1);
    const auto alone = vertices();
    glrec::reset();
    drawText("S.a", 0, 0.5f, 0.1f, 1, 1, 1);
    const auto shifted = vertices();
    ASSERT_EQ(alone.size(), shifted.size()) << "S and . draw nothing";
    for (std::size_t i = 0; i < alone.size(); ++i) {
        EXPECT_FLOAT_EQ(float(shifted[i].args[0]), float(alone[i].args[0]) + 2 * 0.1f * 0.55f);
        EXPECT_EQ(shifted[i].args[1], alone[i].args[1]);
        EXPECT_EQ(shifted[i].args[2], 1.0) << "glyphs lie at the overlay's nearest depth";
    }
}

TEST_F(TextCalls, TextLeavesTheColourBlackAndColourMaterialOff) {
    drawText("", 0, 0, 0.1f, 0.3f, 0.6f, 0.9f);
    EXPECT_TRUE(vertices().empty());
    EXPECT_EQ(currentColor(0), 0);
    EXPECT_EQ(currentColor(1), 0);
    EXPECT_EQ(currentColor(2), 0);
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    drawText("level 5", 0, 0, 0.1f, 0.3f, 0.6f, 0.9f);
    EXPECT_EQ(currentColor(2), 0);
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(glrec::count("glBegin"), 2) << "one bracket per text";
}

TEST_F(TextCalls, EveryGlyphIsMadeOfCounterClockwiseQuads) {
    int glyphsSeen = 0;
    for (int c = 32; c < 127; ++c) {
        glrec::reset();
        drawGlyph(char(c), 0, 0, 1);
        const auto v = vertices();
        ASSERT_EQ(v.size() % 4, 0u);
        EXPECT_EQ(!v.empty(), hasGlyph(char(c))) << char(c);
        EXPECT_LE(v.size(), 24u) << "at most six strokes in '" << char(c) << "'";
        glyphsSeen += v.empty() ? 0 : 1;
        for (std::size_t q = 0; q < v.size(); q += 4) {
            double area = 0;
            for (int i = 0; i < 4; ++i) {
                const auto& a = v[q + i].args;
                const auto& b = v[q + (i + 1) % 4].args;
                area += a[0] * b[1] - b[0] * a[1];
            }
            EXPECT_GT(area, 0) << "a stroke of '" << char(c) << "'";
        }
    }
    const std::string needed = "-0123456789:GHNOQVabcdefilmnoprstuvwz";
    for (char c : needed) {
        EXPECT_TRUE(hasGlyph(c)) << c;
    }
    EXPECT_EQ(hasGlyph('0') && hasGlyph('O'), true);
    EXPECT_GT(glyphsSeen, int(needed.size()));
}

class DisplayCalls : public ::testing::Test {
  protected:
    void SetUp() override { glrec::reset(); }

    RecordingWorld world;
    ScopedWorld usingWorld{world};
};

TEST_F(DisplayCalls, TheCitizensLineLeavesThePlayerOut) {
    gameState = Playing;
    world.good = 51;
    drawHud();
    const auto hud = glrec::calls();
    glrec::reset();
    drawText("50 citizens left", -0.98f, 0.85f, 0.0455f, 0.7f, 0.7f, 1.0f);
    EXPECT_TRUE(containsRun(hud, glrec::calls()));
    glrec::reset();
    drawText("51 citizens left", -0.98f, 0.85f, 0.0455f, 0.7f, 0.7f, 1.0f);
    EXPECT_FALSE(containsRun(hud, glrec::calls()));
}

TEST_F(DisplayCalls, TheTitleShowsTheCityAsWireCubesAndGivesTheUsersFlagsBack) {
    showSurfaces = 1;
    showBoundingCubes = 0;
    gameState = Title;
    firstFrame = 1;
    onDisplay();
    ASSERT_EQ(world.drawnWith.size(), 2u) << "the first frame draws the world once more";
    EXPECT_EQ(world.drawnWith[0], std::make_pair(1, 0));
    EXPECT_EQ(world.drawnWith[1], std::make_pair(0, 1));
    EXPECT_EQ(showSurfaces, 1);
    EXPECT_EQ(showBoundingCubes, 0);

    gameState = Playing;
    onDisplay();
    ASSERT_EQ(world.drawnWith.size(), 3u);
    EXPECT_EQ(world.drawnWith[2], std::make_pair(1, 0));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << "the HUD switches lighting back on";
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    // The overlay comes first, under the flat projection, then the scene.
    EXPECT_LT(glrec::indexOf("gluOrtho2D"), glrec::indexOf("gluPerspective"));
    EXPECT_EQ(glrec::calls().back().name, "glutSwapBuffers");
}
