// Real rendering: the game's own city and screens drawn by Mesa in a freeglut
// window on the X server the test command starts, read back pixel by pixel.

#include <GL/glu.h>
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "app/display.h"
#include "app/game_state.h"
#include "app/startup.h"
#include "control/camera.h"
#include "game/world.h"
#include "models/material_pool.h"
#include "models/texture.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

constexpr int width = 320, height = 240;
using Rgb = std::array<int, 3>;

// The back buffer as it was read, origin bottom left.
struct Frame {
    std::vector<unsigned char> rgb = std::vector<unsigned char>(width * height * 3);
    // How many pixels of the box [x0, x1) by [y0, y1) pass the test.
    template <typename Test>
    int count(int x0, int y0, int x1, int y1, Test test) const {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const unsigned char* p = &rgb[std::size_t(y * width + x) * 3];
                n += test(Rgb{p[0], p[1], p[2]}) ? 1 : 0;
            }
        }
        return n;
    }
};

// Draws one frame of the game, checks GL is content, reads it back and, when
// $VORTIMBAL_SCREENSHOTS names a folder, saves it there as NAME.ppm.
Frame drawAndRead(const char* name) {
    drawFrame();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << name;
    Frame frame;
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, frame.rgb.data());
    const char* folder = std::getenv("VORTIMBAL_SCREENSHOTS");
    std::FILE* out =
        folder ? std::fopen((std::string(folder) + "/" + name + ".ppm").c_str(), "wb") : nullptr;
    if (out != nullptr) {
        std::fprintf(out, "P6\n%d %d\n255\n", width, height);
        for (int row = height - 1; row >= 0; --row) {  // PPM runs top to bottom
            std::fwrite(&frame.rgb[std::size_t(row) * width * 3], 1, width * 3, out);
        }
        std::fclose(out);
    }
    return frame;
}

// The window and the game's city, made once per process.
bool openTheCity() {
    static bool open = false;
    if (open || std::getenv("DISPLAY") == nullptr) {
        return open;
    }
    int argc = 1;
    char name[] = "render_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    glutCreateWindow("render test");
    char previous[4096];
    EXPECT_TRUE(getcwd(previous, sizeof previous) && chdir(VORTIMBAL_SOURCE_DIR "/data") == 0);
    mainMaterialPool = loadSurfaces();
    world.setCitizenPool(mainMaterialPool);
    world.build();
    gameWorld = &world;
    setUpWindow();  // textures, GL state and lamps, as the game's own window has them
    EXPECT_EQ(chdir(previous), 0);
    for (int i = 0; i < 110; ++i) {
        world.update();
        camera.update();
    }
    return open = true;
}

bool mostly(const Rgb& p, int channel) {  // 0 red, 1 green, 2 blue
    return p[channel] > 40 && p[channel] > p[(channel + 1) % 3] + 15 &&
           p[channel] > p[(channel + 2) % 3] + 15;
}

class Render : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!openTheCity()) {
            if (std::getenv("VORTIMBAL_REQUIRE_DISPLAY") != nullptr) {
                FAIL() << "no X display; the test command starts one";
            }
            GTEST_SKIP() << "no X display; run the tests through scripts/test.sh";
        }
        initGLState();
        onReshape(width, height);
    }
    void TearDown() override { std::tie(gameState, helpShown) = std::make_tuple(Title, 0); }
};

}  // namespace

TEST_F(Render, TheStreetShowsTexturedGroundHousesAndFigures) {
    for (GLenum cap : {GL_LIGHTING, GL_DEPTH_TEST, GL_CULL_FACE}) {
        EXPECT_TRUE(glIsEnabled(cap)) << "lit, depth-tested, back faces culled: " << cap;
    }
    gameState = Playing;
    Frame frame = drawAndRead("city");
    EXPECT_GT(frame.count(0, 0, width, height / 3, [](Rgb p) { return mostly(p, 1); }), 2000)
        << "the grass is green, not its negative";
    EXPECT_GT(frame.count(0, height / 2, width, height / 2 + 1,
                          [](Rgb p) { return p[0] + p[1] + p[2] > 60; }),
              width / 8)
        << "houses and figures stand along the horizon";
    gameState = Title;
    frame = drawAndRead("city_title");
    EXPECT_EQ(frame.count(0, 0, width, 20, [](Rgb p) { return mostly(p, 1); }), 0)
        << "the title shows the city as wire cubes";
    // The named materials, then the six textures, the first lit by "estrade".
    ASSERT_EQ(mainMaterialPool->count(), 28);
    EXPECT_EQ(mainMaterialPool->entry(21)->getName(), "head");
    EXPECT_EQ(textures[0]->getBaseMaterial(), mainMaterialPool->entry(15));
    EXPECT_TRUE(mainMaterialPool->isInUse()) << "closed after its first lookup";
}

TEST_F(Render, EveryScreenShowsItsTextInItsColours) {
    gameState = Playing;
    const Frame playing = drawAndRead("playing");
    gameState = Title;
    const Frame title = drawAndRead("title");
    const Rgb white{255, 255, 255}, green{179, 255, 26}, hudBlue{179, 179, 255};
    const struct {
        int state, help;
        const char* name;
        int x0, y0, x1, y1;  // where the text shows, in pixels
        Rgb color;
        const Frame& without;  // a screen that has no such text there
    } screens[] = {{Title, 0, "title", 80, 120, 240, 144, white, playing},  // "New Game"
                   {Title, 1, "help", 112, 192, 208, 216, green, title},
                   {Playing, 0, "hud", 240, 226, 317, 238, hudBlue, title},
                   {LevelCleared, 0, "level_cleared", 16, 120, 304, 144, white, playing},
                   {LevelCleared, 0, "press_fire", 16, 56, 304, 72, white, playing},
                   {GameOver, 0, "game_over", 16, 120, 304, 144, white, playing}};
    for (const auto& s : screens) {
        std::tie(gameState, helpShown) = std::make_tuple(s.state, s.help);
        const auto near = [&](Rgb p) {
            return std::abs(p[0] - s.color[0]) + std::abs(p[1] - s.color[1]) +
                       std::abs(p[2] - s.color[2]) <
                   6;
        };
        EXPECT_GT(drawAndRead(s.name).count(s.x0, s.y0, s.x1, s.y1, near) -
                      s.without.count(s.x0, s.y0, s.x1, s.y1, near),
                  50)
            << s.name;
    }
}

TEST_F(Render, TheViewSeesWhatIsInFrontAndNothingBehindBesideOrBeyondIt) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 4.0 / 3.0, 3, 300);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Camera viewer;  // at (0, 3, 20), looking down -z
    viewer.applyView();
    viewer.frustum.refresh();
    const struct {
        Vector3 at;
        bool seen;
    } cubes[] = {{{0, 3, 0}, true},   {{7, 5, 0}, true},     {{0, 3, 40}, false},
                 {{0, 3, 18}, false}, {{0, 3, -290}, false}, {{30, 3, 0}, false},
                 {{0, 20, 0}, false}};
    for (const auto& cube : cubes) {
        EXPECT_EQ(viewer.frustum.cubeInside(cube.at.x, cube.at.y, cube.at.z, 0.5f), cube.seen)
            << cube.at.x << " " << cube.at.y << " " << cube.at.z;
    }
    glLoadIdentity();
    viewer.frustum.translate(Vector3());  // nothing moves, yet the planes are read again
    viewer.frustum.refresh();
    EXPECT_TRUE(viewer.frustum.cubeInside(0, 0, -290, 1));

    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
