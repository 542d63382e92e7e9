#include <GL/gl.h>
#include <GL/glu.h>
#include <unistd.h>

#include <cstdlib>

#include "app/display.h"
#include "app/game_state.h"
#include "app/startup.h"
#include "app/title_screen.h"
#include "control/camera.h"
#include "game/world.h"
#include "models/face.h"
#include "render_window.h"
#include "scene/switches.h"

using namespace rendertest;
using namespace vortimbal;

namespace {

// The game's own city, built once per process from the real data folder.
void buildTheCity() {
    static bool built = false;
    if (built) {
        return;
    }
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(VORTIMBAL_SOURCE_DIR "/data"), 0);
    mainMaterialPool = createSurfaces();
    world.setCitizenPool(mainMaterialPool);
    world.build();
    world.switchOnLights();
    ASSERT_EQ(chdir(previous), 0);
    for (int i = 0; i < 110; ++i) {
        world.update();
        camera.update();
    }
    built = true;
}

// How many pixels of the overlay box (x0, y0)-(x1, y1) have about this colour.
int countColor(float x0, float y0, float x1, float y1, const Rgb& color) {
    int n = 0;
    for (int y = int((y0 + 1) / 2 * height); y < int((y1 + 1) / 2 * height); ++y) {
        for (int x = int((x0 + 1) / 2 * width); x < int((x1 + 1) / 2 * width); ++x) {
            const Rgb p = pixelAt(x, y);
            n += std::abs(p[0] - color[0]) + std::abs(p[1] - color[1]) + std::abs(p[2] - color[2]) <
                 6;
        }
    }
    return n;
}

// How many pixels of the rows [y0, y1) are mostly of one channel: 0 red, 1 green, 2 blue.
int countDominant(int channel, int y0, int y1) {
    int n = 0;
    for (int y = y0; y < y1; y += 2) {
        for (int x = 0; x < width; x += 2) {
            const Rgb p = pixelAt(x, y);
            n += p[channel] > 40 && p[channel] > p[(channel + 1) % 3] + 15 &&
                         p[channel] > p[(channel + 2) % 3] + 15
                     ? 1
                     : 0;
        }
    }
    return n;
}

class WorldRender : public RenderTest {
  protected:
    void SetUp() override {
        RenderTest::SetUp();
        initGLState();
        buildTheCity();
        gameWorld = &world;
        onReshape(width, height);
    }
    void TearDown() override {
        gameState = Title;
        helpShown = 0;
    }
};

}  // namespace

TEST_F(WorldRender, TheStreetShowsTexturedGroundHousesAndFigures) {
    gameState = Playing;
    drawFrame();
    expectNoGLError();
    saveScreenshot("city");
    EXPECT_GT(countDominant(1, 0, height / 3), 500) << "the grass is green, not its negative";
    int lit = 0;
    for (int x = 0; x < width; x += 4) {
        const Rgb p = pixelAt(x, height / 2);
        lit += p[0] + p[1] + p[2] > 60 ? 1 : 0;
    }
    EXPECT_GT(lit, width / 8) << "houses and figures stand along the horizon";

    gameState = Title;
    drawFrame();
    expectNoGLError();
    saveScreenshot("city_title");
    EXPECT_EQ(countDominant(1, 0, 20), 0) << "the title shows the city as wire cubes";
    EXPECT_EQ(showSurfaces, 1);
}

TEST_F(WorldRender, TheViewCullsWhatIsBehindBesideOrBeyondItUnlessSwitchedOff) {
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

    // Objects cull against the game's camera: the unit box around the origin here.
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    camera.frustum.translate(Vector3());
    SceneObject outside(nullptr, nullptr), inside(nullptr, nullptr);
    SceneObject part(nullptr, &inside);
    for (SceneObject* object : {&outside, &inside, &part}) {
        object->addVertex(Vector3(-0.1f, 0, 0));
        object->addVertex(Vector3(0.1f, 0.2f, 0));
        object->updateCubes();
    }
    outside.position = part.position = Vector3(20, 0, 0);
    outside.updateCubes();
    for (SceneObject* object : {&outside, &inside, &part}) {
        object->cull();
    }
    EXPECT_FALSE(outside.isVisible());
    EXPECT_TRUE(inside.isVisible());
    EXPECT_TRUE(part.isVisible()) << "a part is culled with its parent";
    useClipping = 0;
    outside.cull();
    useClipping = 1;
    EXPECT_TRUE(outside.isVisible()) << "clipping switched off";
    expectNoGLError();
}

TEST_F(WorldRender, EveryScreenShowsItsTextInItsColours) {
    const Rgb white{255, 255, 255}, green{179, 255, 26}, hudBlue{179, 179, 255};
    const struct {
        int state, help;
        const char* name;
        float x0, y0, x1, y1;  // where the text shows, in overlay units
        Rgb color;
    } screens[] = {{Title, 0, "title", -0.5f, 0.0f, 0.5f, 0.2f, white},  // "New Game", selected
                   {Title, 1, "help", -0.3f, 0.6f, 0.3f, 0.8f, green},
                   {Playing, 0, "hud", 0.5f, 0.88f, 0.98f, 0.98f, hudBlue},
                   {LevelCleared, 0, "level_cleared", -0.9f, 0.0f, 0.9f, 0.2f, white},
                   {GameOver, 0, "game_over", -0.9f, 0.0f, 0.9f, 0.2f, white}};
    for (const auto& screen : screens) {
        std::tie(gameState, helpShown) = std::make_tuple(screen.state, screen.help);
        drawFrame();
        expectNoGLError();
        saveScreenshot(screen.name);
        EXPECT_GT(countColor(screen.x0, screen.y0, screen.x1, screen.y1, screen.color), 50)
            << screen.name;
    }
}
