// Real rendering: the game's own city and screens drawn by Mesa in a freeglut
// window on the X server the test command starts, read back pixel by pixel.

#include <GL/glu.h>
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/display.h"
#include "app/game_flow.h"
#include "app/game_state.h"
#include "app/high_scores.h"
#include "app/options_page.h"
#include "app/screenshot.h"
#include "app/settings.h"
#include "app/startup.h"
#include "app/title_screen.h"
#include "control/camera.h"
#include "core/random.h"
#include "game/figure.h"
#include "game/world.h"
#include "models/material_pool.h"
#include "models/texture.h"
#include "scene/angles.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

constexpr int width = 320, height = 240;

// RGB bytes, row by row from the top.
using Image = std::vector<unsigned char>;

void writePpm(const std::string& path, int w, int h, const Image& rows) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << w << ' ' << h << "\n255\n";
    out.write(reinterpret_cast<const char*>(rows.data()), std::streamsize(rows.size()));
}

// Empty unless the file is a binary PPM of that size.
Image readPpm(const std::string& path, int w, int h) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int fileW = 0, fileH = 0, depth = 0;
    in >> magic >> fileW >> fileH >> depth;
    in.get();
    Image rows(std::size_t(w * h * 3));
    in.read(reinterpret_cast<char*>(rows.data()), std::streamsize(rows.size()));
    const bool ok = in && magic == "P6" && fileW == w && fileH == h && depth == 255;
    return ok ? rows : Image();
}

// Draws one frame of the game, checks GL is content, reads it back and, when
// $VORTIMBAL_SCREENSHOTS names a folder, saves it there as NAME.ppm.
Image drawAndRead(const char* name) {
    drawFrame();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << name;
    Image frame(width * height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int row = 0; row < height; ++row) {  // GL counts rows from the bottom
        glReadPixels(0, height - 1 - row, width, 1, GL_RGB, GL_UNSIGNED_BYTE,
                     &frame[std::size_t(row * width * 3)]);
    }
    if (const char* folder = std::getenv("VORTIMBAL_SCREENSHOTS")) {
        writePpm(std::string(folder) + "/" + name + ".ppm", width, height, frame);
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
    world.addFigures(25, true);
    EXPECT_EQ(chdir(previous), 0);
    for (int i = 0; i < 110; ++i) {
        world.update();
        camera.update();
    }
    initGLState();
    onReshape(width, height);
    drawFrame();  // the game's first frame, which makes the display lists
    return open = true;
}

// The frame in blocks of 4 by 4 pixels, each its mean colour: small enough to keep
// beside the tests, coarse enough to absorb a change of rounding.
constexpr int block = 4, blocksWide = width / block, blocksHigh = height / block;

Image shrink(const Image& frame) {
    std::vector<int> sums(std::size_t(blocksWide * blocksHigh * 3));
    for (std::size_t i = 0; i < frame.size(); ++i) {
        const std::size_t x = i / 3 % width, y = i / 3 / width;
        sums[(y / block * blocksWide + x / block) * 3 + i % 3] += frame[i];
    }
    Image means(sums.size());
    for (std::size_t i = 0; i < sums.size(); ++i) {
        means[i] = static_cast<unsigned char>(sums[i] / (block * block));
    }
    return means;
}

auto cameraState() {
    return std::tie(camera.position, camera.rotation, camera.velocity, camera.spin,
                    camera.smoothPosition, camera.smoothRotation, camera.anchor);
}

// A city of its own, for a test that moves figures or steps time: the approved
// screens are drawn in the one built first. The camera, the random sequence and
// the world in play are put back when it goes.
class OwnCity {
  public:
    explicit OwnCity(int badGuys = 0) {
        char previous[4096];
        EXPECT_TRUE(getcwd(previous, sizeof previous) && chdir(VORTIMBAL_SOURCE_DIR "/data") == 0);
        city.setCitizenPool(mainMaterialPool);
        city.build();
        city.addFigures(badGuys, true);  // figures read their models here
        EXPECT_EQ(chdir(previous), 0);
        gameWorld = &city;
    }
    ~OwnCity() {
        camera.setMode(mode);
        camera.setTarget(target);
        cameraState() = cameraKept;
        std::tie(gameWorld, useOctrees) = std::make_tuple(&world, 1);
        seedRandom(randomLeft);
    }

    World city;

  private:
    std::tuple<Vector3, Vector3, Vector3, Vector3, Vector3, Vector3, Vector3> cameraKept =
        cameraState();
    int mode = camera.getMode();
    Controller* target = camera.getTarget();
    std::uint32_t randomLeft = seedRandom();
};

// Pixels of one colour, give or take `slack` a channel: how many, and their mean column and row.
struct Spot {
    int count = 0;
    float x = 0, y = 0;
};
Spot find(const Image& frame, int r, int g, int b, int slack) {
    Spot spot;
    for (std::size_t i = 0; i < frame.size(); i += 3) {
        if (std::abs(frame[i] - r) <= slack && std::abs(frame[i + 1] - g) <= slack &&
            std::abs(frame[i + 2] - b) <= slack) {
            ++spot.count;
            spot.x += float(i / 3 % width);
            spot.y += float(i / 3 / width);
        }
    }
    spot.x /= float(std::max(spot.count, 1));
    spot.y /= float(std::max(spot.count, 1));
    return spot;
}

// Where p shows through the game's camera: x, y in pixels from the top left,
// and a depth from 0 to 1 when it lies in front of the camera.
Vector3 projected(const Vector3& p) {
    setSceneMatrices();
    GLdouble model[16], projection[16], x = 0, y = 0, z = -1;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(p.x, p.y, p.z, model, projection, viewport, &x, &y, &z);
    return Vector3(float(x), float(height - y), float(z));
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
    void TearDown() override {
        std::tie(gameState, helpShown, showBoundingCubes) = std::make_tuple(Title, 0, 0);
        std::tie(gameUnderway, level) = std::make_tuple(false, 0);
        highScores = HighScores();
    }
};

}  // namespace

// Each screen as someone looked at it and approved it, give or take rounding. After a
// change meant to alter the look, look at the new screenshots, then run the render tests
// once with VORTIMBAL_APPROVE=1 to keep them.
TEST_F(Render, EveryScreenLooksAsApproved) {
    for (GLenum cap : {GL_LIGHTING, GL_DEPTH_TEST, GL_CULL_FACE}) {
        EXPECT_TRUE(glIsEnabled(cap)) << "lit, depth-tested, back faces culled: " << cap;
    }
    // The named materials, then the six textures, the first lit by "estrade".
    ASSERT_EQ(mainMaterialPool->count(), 28);
    EXPECT_EQ(mainMaterialPool->entry(21)->getName(), "head");
    EXPECT_EQ(textures[0]->getBaseMaterial(), mainMaterialPool->entry(15));
    EXPECT_TRUE(mainMaterialPool->isInUse()) << "closed after its first lookup";
    // Keys pressed on the Options page before its screen: down to "fire", then fire.
    std::vector<Key> toFire(14, specialKey(GLUT_KEY_DOWN));
    toFire.push_back(13);
    const struct {
        const char* name;
        int state, help, cubes;
        bool paused, frameRate;
        std::vector<Key> keys;
    } screens[] = {{"title", Title, MenuPage, 0, false, false, {}},
                   {"paused", Title, MenuPage, 0, true, false, {}},
                   {"help", Title, HelpPage, 0, false, false, {}},
                   {"scores", Title, ScoresPage, 0, false, false, {}},
                   {"options", Title, OptionsPage, 0, false, false, {}},
                   {"options_key", Title, OptionsPage, 0, false, false, toFire},
                   {"playing", Playing, MenuPage, 0, false, false, {}},
                   {"cubes", Playing, MenuPage, 1, false, true, {}},
                   {"level_cleared", LevelCleared, 0, 0, false, false, {}},
                   {"game_over", GameOver, 0, 0, false, false, {}}};
    std::ostringstream unsaved;  // the process has no table file
    highScores.add({2420, 3, "2026-12-06"}, unsaved);
    highScores.add({900, 2, "2026-11-30"}, unsaved);
    level = 2;
    for (const auto& s : screens) {
        std::tie(gameState, helpShown, showBoundingCubes, gameUnderway, titleSelection) =
            std::make_tuple(s.state, s.help, s.cubes, s.paused,
                            s.paused ? ResumeItem : NewGameItem);
        settings.showFrameRate = s.frameRate;
        if (s.help == OptionsPage) {
            openOptionsPage();
        }
        for (Key key : s.keys) {
            optionsKey(key, 1);
        }
        const Image seen = shrink(drawAndRead(s.name));
        const std::string path =
            std::string(VORTIMBAL_SOURCE_DIR "/tests/render/approved/") + s.name + ".ppm";
        if (std::getenv("VORTIMBAL_APPROVE") != nullptr) {
            writePpm(path, blocksWide, blocksHigh, seen);
            continue;
        }
        const Image approved = readPpm(path, blocksWide, blocksHigh);
        ASSERT_EQ(approved.size(), seen.size()) << path << " is missing or damaged";
        // A few blocks may be a little off; none may be far off, as one changed letter is.
        int unlike = 0, worst = 0;
        for (std::size_t i = 0; i < seen.size(); i += 3) {
            int off = 0;
            for (std::size_t c = i; c < i + 3; ++c) {
                off += std::abs(seen[c] - approved[c]);
            }
            unlike += off > 12 ? 1 : 0;
            worst = std::max(worst, off);
        }
        EXPECT_TRUE(unlike <= 8 && worst <= 40)
            << s.name << ": " << unlike << " blocks unlike the approved look, one by " << worst;
    }
    optionsKey(27, -1);  // the question about fire's key left open
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

// The aim marks where the player's shot goes, over a bad guy in line, and turns
// red there; the line of fire is the player's, not the middle of the view.
TEST_F(Render, TheAimMarksABadGuyInTheLineOfFire) {
    OwnCity own(1);
    useOctrees = 0;  // the figures are moved by hand, after the octree was made
    Figure* player = own.city.getPlayer();
    Figure* badGuy = nullptr;
    for (int i = 0, n = 0; i < own.city.getChildren().count(); ++i) {
        auto* figure = dynamic_cast<Figure*>(own.city.getChildren().get(i));
        if (figure != nullptr && figure != player) {
            badGuy = figure->isBad() ? figure : badGuy;
            figure->position = figure->drawPosition = Vector3(60, 0, -60 + 2.0f * float(n++));
        }
    }
    player->rotation = player->drawRotation = Vector3(0, 10, 0);
    camera.setMode(JustBehind);
    camera.cut();
    camera.smoothRotation.y -= 8;  // the view still lags a turn
    gameState = Playing;
    const Vector3 ahead = directionFromRotation(player->rotation) * 20;
    badGuy->position = badGuy->drawPosition = ahead;
    badGuy->rotation = badGuy->drawRotation = Vector3();
    const Spot red = find(drawAndRead("aim_on_bad_guy"), 255, 38, 25, 12);
    badGuy->position = badGuy->drawPosition = ahead + Vector3(30, 0, 0);
    const Image open = drawAndRead("aim_in_the_open");
    const Spot white = find(open, 255, 255, 255, 0), none = find(open, 255, 38, 25, 12);
    const Vector3 chest = projected(ahead + Vector3(0, 1, 0));
    EXPECT_GE(red.count, 20) << "a red mark over the bad guy";
    EXPECT_LT(std::hypot(red.x - chest.x, red.y - chest.y), 3) << red.x << " " << red.y;
    EXPECT_GE(white.count, 20) << "a white mark with nobody in line";
    EXPECT_LT(std::abs(white.x - chest.x), 3) << "on the same line";
    EXPECT_EQ(none.count, 0);
}

// The orbital cameras circle the player as he walks, and keep him in view.
TEST_F(Render, TheOrbitalCamerasKeepThePlayerInView) {
    OwnCity own;
    World& city = own.city;
    gameState = Playing;
    city.steerForward(true);
    for (int mode : {Orbital1, Orbital2}) {
        camera.setMode(mode);
        int seen = 0;
        float far = 0;
        for (int step = 0; step < 600; ++step) {  // 30 seconds
            city.steerLeft(step % 120 < 30);
            city.update();
            camera.update();
            const Vector3 p = projected(city.getPlayer()->position + Vector3(0, 1, 0));
            seen += p.x >= 0 && p.x < width && p.y >= 0 && p.y < height && p.z > 0 && p.z < 1;
            far = std::max(far, (camera.position - city.getPlayer()->position).length());
        }
        drawAndRead(mode == Orbital1 ? "orbital_1" : "orbital_2");
        EXPECT_GE(seen, 540) << "mode " << mode << ": the player in view in " << seen << " of 600";
        EXPECT_LT(far, 2 * camera.getDistance()) << "mode " << mode << ": circling, not leaving";
    }
}

// A screenshot holds the frame as drawn, takes a fresh name rather than replace one taken
// in the same second, and a folder that cannot be made costs a message.
TEST_F(Render, AScreenshotSavesTheFrameUnderAFreshName) {
    gameState = Playing;
    const Image frame = drawAndRead("screenshot");
    const std::string home = ::testing::TempDir() + "shots" + std::to_string(getpid());
    const std::string folder = screenshotFolder(home.c_str(), "/nowhere");
    std::string message;
    const std::string first = saveScreenshot(folder, message),
                      second = saveScreenshot(folder, message);
    EXPECT_EQ(message, "saved " + second.substr(second.rfind('/') + 1));
    EXPECT_TRUE(std::regex_match(
        first, std::regex(home + "/vortimbal3/screenshots/vortimbal3-\\d{8}-\\d{6}\\.png")))
        << first;
    EXPECT_NE(second, first);
    for (const std::string& path : {first, second}) {
        png_image png{};
        png.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_file(&png, path.c_str())) << path << png.message;
        EXPECT_EQ(png.format, png_uint_32(PNG_FORMAT_RGB));
        Image read(PNG_IMAGE_SIZE(png));
        EXPECT_TRUE(png_image_finish_read(&png, nullptr, read.data(), 0, nullptr) && read == frame);
    }
    std::ofstream(home + "/file");  // a file where a folder should be
    for (const std::string& bad : {home + "/file", home + "/file/shots"}) {
        EXPECT_EQ(saveScreenshot(bad, message), "") << bad;
    }
    EXPECT_EQ(message, "screenshot failed - see the terminal");
    std::filesystem::remove_all(home);
}
