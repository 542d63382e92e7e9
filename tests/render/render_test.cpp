// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// Real rendering: the game's own city and screens drawn by Mesa in a freeglut
// window on the X server the test command starts, read back pixel by pixel.

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/display.h"
#include "app/frame_clock.h"
#include "app/game_flow.h"
#include "app/screenshot.h"
#include "app/shell_state.h"
#include "app/startup.h"
#include "control/camera.h"
#include "core/random.h"
#include "game/figure.h"
#include "game/game_state.h"
#include "game/world.h"
#include "models/material_pool.h"
#include "models/texture.h"
#include "saves/high_scores.h"
#include "saves/screenshot.h"
#include "saves/settings.h"
#include "scene/angles.h"
#include "scene/frame_batch.h"
#include "scene/step_pose.h"
#include "scene/switches.h"
#include "screens/aim_marker.h"
#include "screens/options_page.h"
#include "screens/screen_state.h"
#include "screens/title_screen.h"

using namespace vortimbal;

namespace {

constexpr int width = 640, height = 480;

// RGB bytes, row by row from the top.
using Image = std::vector<unsigned char>;

// Empty unless the file is an RGB PNG of the window's size.
Image readPng(const std::string& path) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    Image rows;
    if (png_image_begin_read_from_file(&png, path.c_str()) != 0 && png.width == width &&
        png.height == height) {
        png.format = PNG_FORMAT_RGB;
        rows.resize(PNG_IMAGE_SIZE(png));
        rows.resize(png_image_finish_read(&png, nullptr, rows.data(), 0, nullptr) ? rows.size()
                                                                                  : 0);
    }
    png_image_free(&png);
    return rows;
}

void replacePng(const std::string& path, const Image& rows) {
    std::string error;
    std::filesystem::remove(path);
    EXPECT_TRUE(writePng(path, width, height, rows, error)) << path << ": " << error;
}

// The frame drawn, from the back buffer.
Image readFrame() {
    Image frame(width * height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int row = 0; row < height; ++row) {  // GL counts rows from the bottom
        glReadPixels(0, height - 1 - row, width, 1, GL_RGB, GL_UNSIGNED_BYTE,
                     &frame[std::size_t(row * width * 3)]);
    }
    return frame;
}

// Draws one frame of the game, checks GL is content, reads it back and, when
// $VORTIMBAL_SCREENSHOTS names a folder, saves it there as NAME.png.
Image drawAndRead(const char* name) {
    drawFrame();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << name;
    const Image frame = readFrame();
    if (const char* folder = std::getenv("VORTIMBAL_SCREENSHOTS")) {
        replacePng(std::string(folder) + "/" + name + ".png", frame);
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

// How far each block of 4 by 4 pixels is from the approved frame, beyond what another
// rasteriser makes of the same scene: a line or an edge one pixel off, a colour
// rounded otherwise. Two measures, each summed over the block, a block failing when
// either passes 900:
// - shape: a pixel counts by how much brighter it is, channel by channel, than the
//   brightest of the other frame's 3 by 3 pixels around it, both ways, less 8: so a
//   thing missing, added or moved further than a pixel shows, while a thin dark gap
//   between two lines, which closes when one of them moves, does not. One digit
//   changed in the HUD's small text makes a block over 1100; softpipe's worst block
//   is 448 (a dim line of the city behind the paused title), llvmpipe's 147.
// - colour: a pixel counts by how far its colour is, in its furthest channel, from
//   the nearest colour among the other frame's 5 by 5 pixels around it, both ways,
//   less 8. A darker stroke passes the shape measure beside a bright one; here it
//   finds no match, while a line two pixels off, or a gap that moved, still finds its
//   colour. The help page's key names with a quarter of their green make blocks of
//   1568 to 1680; softpipe's worst block is 571 (a yellow cube's edge one pixel off
//   over a dark wall), llvmpipe's 105.
// Both forgive a pixel's move, so a third measure takes each window of 32 by 32 pixels,
// one block apart, and sums, for each of the nine moves of at most a pixel, how far
// each pixel is from the approved one so moved (furthest channel, less 8). It counts
// when a move other than none fits best, by how much the next best fits worse, and a
// window fails past 10000: a text moved as a whole fits one move only, while another
// rasteriser's line a pixel off fits moves along it too, and the things around it fit
// none. The HUD's "level" one pixel right makes 39409, the title's small "difficulty"
// line 16728; softpipe's worst window is 5624 (lines of the city behind the title),
// llvmpipe's 39.
constexpr int block = 4, slack = 8, farOff = 900, reach = 2, span = 8, farMoved = 10000;

struct Off {
    std::vector<int> shape, colour, moved;
};

Off offByBlock(const Image& seen, const Image& approved) {
    const int columns = width / block, rows = height / block;
    const std::size_t blocks = std::size_t(columns * rows);
    Off off{std::vector<int>(blocks), std::vector<int>(blocks), std::vector<int>(blocks)};
    std::vector<std::array<long, 9>> byMove(blocks);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = std::size_t(y / block * (width / block) + x / block);
            const std::size_t p = std::size_t((y * width + x) * 3);
            int nearestSeen = 255, nearestApproved = 255;
            for (int ny = std::max(y - reach, 0); ny <= std::min(y + reach, height - 1); ++ny) {
                for (int nx = std::max(x - reach, 0); nx <= std::min(x + reach, width - 1); ++nx) {
                    const std::size_t q = std::size_t((ny * width + nx) * 3);
                    int fromSeen = 0, fromApproved = 0;
                    for (std::size_t c = 0; c < 3; ++c) {
                        fromSeen = std::max(fromSeen, std::abs(approved[p + c] - seen[q + c]));
                        fromApproved =
                            std::max(fromApproved, std::abs(seen[p + c] - approved[q + c]));
                    }
                    nearestSeen = std::min(nearestSeen, fromSeen);
                    nearestApproved = std::min(nearestApproved, fromApproved);
                }
            }
            off.colour[at] +=
                std::max(0, nearestSeen - slack) + std::max(0, nearestApproved - slack);
            for (int move = 0; move < 9; ++move) {
                const int mx = std::clamp(x + move % 3 - 1, 0, width - 1);
                const int my = std::clamp(y + move / 3 - 1, 0, height - 1);
                const std::size_t q = std::size_t((my * width + mx) * 3);
                int far = 0;
                for (std::size_t c = 0; c < 3; ++c) {
                    far = std::max(far, std::abs(seen[p + c] - approved[q + c]));
                }
                byMove[at][std::size_t(move)] += std::max(0, far - slack);
            }
            for (std::size_t c = 0; c < 3; ++c) {
                int aroundSeen = 0, aroundApproved = 0;
                for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, height - 1); ++ny) {
                    for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx) {
                        const std::size_t i = std::size_t((ny * width + nx) * 3) + c;
                        aroundSeen = std::max<int>(aroundSeen, seen[i]);
                        aroundApproved = std::max<int>(aroundApproved, approved[i]);
                    }
                }
                off.shape[at] += std::max(0, approved[p + c] - aroundSeen - slack) +
                                 std::max(0, seen[p + c] - aroundApproved - slack);
            }
        }
    }
    for (int row = 0; row + span <= rows; ++row) {
        for (int column = 0; column + span <= columns; ++column) {
            std::array<long, 9> sum{};
            for (int r = row; r < row + span; ++r) {
                for (int c = column; c < column + span; ++c) {
                    for (std::size_t move = 0; move < 9; ++move) {
                        sum[move] += byMove[std::size_t(r * columns + c)][move];
                    }
                }
            }
            const auto best = std::min_element(sum.begin(), sum.end());
            long next = sum[best == sum.begin() ? 1 : 0];
            for (auto it = sum.begin(); it != sum.end(); ++it) {
                next = it == best ? next : std::min(next, *it);
            }
            if (best != sum.begin() + 4) {
                off.moved[std::size_t(row * columns + column)] = int(next - *best);
            }
        }
    }
    return off;
}

// Fails where `seen` is further from `approved` than the measures above allow.
void expectAlike(const std::string& what, const Image& seen, const Image& approved) {
    const Off off = offByBlock(seen, approved);
    for (const auto& [measure, blocks, limit] : {std::tuple("shape", &off.shape, farOff),
                                                 {"colour", &off.colour, farOff},
                                                 {"place", &off.moved, farMoved}}) {
        const auto worst = std::max_element(blocks->begin(), blocks->end());
        const long unlike = std::count_if(blocks->begin(), blocks->end(),
                                          [limit = limit](int o) { return o > limit; });
        const int at = int(worst - blocks->begin());
        EXPECT_EQ(unlike, 0) << what << ": " << unlike << " blocks unlike in " << measure
                             << ", the worst by " << *worst << " at "
                             << at % (width / block) * block << ", "
                             << at / (width / block) * block;
    }
}

// Each screen as someone looked at it and approved it, give or take rounding. After a
// change meant to alter the look, look at the new screenshots, then run the render tests
// once with VORTIMBAL_APPROVE=1 to keep them.
void expectAsApproved(const char* name, const Image& seen) {
    const std::string path =
        std::string(VORTIMBAL_SOURCE_DIR "/tests/render/approved/") + name + ".png";
    if (std::getenv("VORTIMBAL_APPROVE") != nullptr) {
        replacePng(path, seen);
        return;
    }
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    const Image approved = readPng(path);
    ASSERT_EQ(approved.size(), seen.size()) << path << " is missing or damaged";
    expectAlike(std::string(name) + " on " + renderer, seen, approved);
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

// The game's own loop at the 60 frames cap, on a clock that only its rests
// move on, a whole millisecond at the least, from call to call: three frames
// a 50 ms step. Each frame is read back and
// handed to `seen` before it is shown.
double loopMs = 0;
std::function<void(const Image&)> seenFrame;

void playFrames(int frames, const std::function<void(const Image&)>& seen) {
    static bool clockSet = false;
    if (!std::exchange(clockSet, true)) {
        setTickSource([] { return std::uint32_t(loopMs); },
                      [](double ms) { loopMs = std::ceil(loopMs + ms); });
        simulationTime = lastRedisplayTime = currentTimeMs();
    }
    maxFramesPerSecond = 60;
    int shown = 0;
    seenFrame = [&](const Image& frame) { seen(frame), ++shown; };
    glutDisplayFunc([] {
        drawFrame();
        seenFrame(readFrame());
        glutSwapBuffers();
    });
    while (shown < frames) {
        onIdle();
        glutMainLoopEvent();
    }
    maxFramesPerSecond = 0;
}

// Where `draw` alone draws in this frame: the pixels it changes.
Spot drawnAlone(const std::function<void()>& draw) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const Image empty = readFrame();
    draw();
    const Image alone = readFrame();
    Spot spot;
    for (std::size_t i = 0; i < alone.size(); i += 3) {
        if (std::memcmp(&alone[i], &empty[i], 3) != 0) {
            spot.count += 1;
            spot.x += float(i / 3 % width);
            spot.y += float(i / 3 / width);
        }
    }
    spot.x /= float(std::max(spot.count, 1));
    spot.y /= float(std::max(spot.count, 1));
    return spot;
}

Spot drawnAlone(SceneObject& object) {
    return drawnAlone([&] {
        setSceneMatrices();
        object.draw();
    });
}

// The middle column of the aim mark, where this frame placed it.
float markColumn() {
    const Spot mark = drawnAlone([] {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluOrtho2D(-1, 1, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        drawAimMarker();
        glEnable(GL_LIGHTING);
    });
    return mark.count > 0 ? mark.x : -width;
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
        // A frame drawn outside the game's loop shows every pose as it stands,
        // whatever loop an earlier test ran.
        ++StepPose::step;
        StepPose::fraction = 1;
    }
    void TearDown() override {
        screenState = ScreenState();  // the HUD's count of a recent loss too
        std::tie(gameState, helpShown, showBoundingCubes) = std::make_tuple(Title, 0, 0);
        std::tie(gameUnderway, level) = std::make_tuple(false, 0);
        highScores = HighScores();
    }
};

}  // namespace

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
    std::vector<Key> toFire(17, specialKey(GLUT_KEY_DOWN));
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
    // A driver asked for and missing would leave the default one drawing unnoticed.
    const char* driver = std::getenv("GALLIUM_DRIVER");
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    EXPECT_TRUE(driver == nullptr || std::strstr(renderer, driver) != nullptr) << renderer;
    std::ostringstream unsaved;  // the process has no table file
    highScores.add({2420, 3, "2026-12-06", Difficulty::Normal, ""}, unsaved);
    highScores.add({900, 2, "2026-11-30", Difficulty::Normal, ""}, unsaved);
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
        expectAsApproved(s.name, drawAndRead(s.name));
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

// Moves every figure but the player aside, turns him a little and puts the view
// just behind him, in play; returns the city's one bad guy.
Figure* standAside(World& city) {
    useOctrees = 0;  // the figures are moved by hand, after the octree was made
    Figure* player = city.getPlayer();
    Figure* badGuy = nullptr;
    for (int i = 0, n = 0; i < city.getChildren().count(); ++i) {
        auto* figure = dynamic_cast<Figure*>(city.getChildren().get(i));
        if (figure != nullptr && figure != player) {
            badGuy = figure->isBad() ? figure : badGuy;
            figure->position = figure->drawPosition = Vector3(60, 0, -60 + 2.0f * float(n++));
            figure->placed();
        }
    }
    player->rotation = player->drawRotation = Vector3(0, 10, 0);
    badGuy->rotation = badGuy->drawRotation = Vector3();
    camera.setMode(JustBehind);
    camera.cut();
    gameState = Playing;
    return badGuy;
}

// The aim marks where the player's shot goes, over a bad guy in line, as a red
// diamond that reads on his red body, and as white ticks over open ground; the
// line of fire is the player's, not the middle of the view.
TEST_F(Render, TheAimMarksABadGuyInTheLineOfFire) {
    OwnCity own(1);
    Figure* badGuy = standAside(own.city);
    const Vector3 ahead = directionFromRotation(own.city.getPlayer()->rotation) * 20;
    badGuy->position = badGuy->drawPosition = ahead;
    badGuy->placed();
    const Image onBadGuy = drawAndRead("aim_on_bad_guy");
    expectAsApproved("aim_on_bad_guy", onBadGuy);
    const Spot red = find(onBadGuy, 255, 38, 25, 12);
    badGuy->position = badGuy->drawPosition = ahead + Vector3(8, 0, 0);  // in view, out of line
    badGuy->placed();
    const Image open = drawAndRead("aim_in_the_open");
    expectAsApproved("aim_in_the_open", open);
    const Spot white = find(open, 255, 255, 255, 0), none = find(open, 255, 38, 25, 12);
    const Vector3 chest = projected(ahead + Vector3(0, 1, 0));
    EXPECT_GE(red.count, 20) << "a red mark over the bad guy";
    EXPECT_LT(std::hypot(red.x - chest.x, red.y - chest.y), 3) << red.x << " " << red.y;
    EXPECT_GE(white.count, 20) << "a white mark with nobody in line";
    EXPECT_LT(std::abs(white.x - chest.x), 3) << "on the same line";
    EXPECT_EQ(none.count, 0) << "no red mark, nor an arrow to a bad guy in view";
    // Near and a little aside, he is still in line: the mark stays on the line.
    const Vector3 aside = directionFromRotation(own.city.getPlayer()->rotation + Vector3(0, 90, 0));
    badGuy->position = badGuy->drawPosition = ahead * 0.4f + aside * 3;
    badGuy->placed();
    const Spot near = find(drawAndRead("aim_near_aside"), 255, 38, 25, 12);
    EXPECT_GE(near.count, 20) << "a red mark for the bad guy near the line";
    EXPECT_LT(std::abs(near.x - chest.x), 3) << "on the line, not at his chest";
}

// A bad guy out of the view is pointed at by a red arrow at its edge: on the side
// the player should turn to, the lower the further round behind him; above it, at
// its top.
TEST_F(Render, ABadGuyOutOfSightIsPointedAtFromTheEdge) {
    OwnCity own(1);
    Figure* badGuy = standAside(own.city);
    const Figure* player = own.city.getPlayer();
    const struct {
        const char* name;
        float turn, up;        // from the player's forward, degrees left; metres up
        float x, top, bottom;  // where the arrow's pixels should centre
    } cases[] = {{"bad_guy_behind", -165, 0, width - 12, 360, 420},
                 {"bad_guy_left", 60, 0, 12, 250, 310},
                 {"bad_guy_above", 0, 40, width / 2, 0, 30}};
    for (const auto& c : cases) {
        const Vector3 way = directionFromRotation(player->rotation + Vector3(0, c.turn, 0));
        badGuy->position = badGuy->drawPosition = player->position + way * 15 + Vector3(0, c.up, 0);
        badGuy->placed();
        const Spot arrow = find(drawAndRead(c.name), 255, 38, 25, 12);
        EXPECT_GE(arrow.count, 40) << c.name;
        EXPECT_NEAR(arrow.x, c.x, 15) << c.name;
        EXPECT_TRUE(arrow.y > c.top && arrow.y < c.bottom) << c.name << ": " << arrow.y;
    }
}

// A figure drawn in the frame's batch covers the pixels it covers drawn alone,
// part by part: turned about every axis, its parts on their joints. Near, with
// its faces as they draw themselves, it also shows the same colours there.
TEST_F(Render, AFigureInTheBatchLooksAsItWouldAlone) {
    OwnCity own;  // keeps the camera and the random sequence
    const struct {
        const char* name;
        float z;
        bool sameColours;
    } cases[] = {{"distant", -30, false}, {"near", -10, true}};
    for (const auto& c : cases) {
        Figure figure(mainMaterialPool, nullptr);
        figure.position = figure.drawPosition = Vector3(3, 0, c.z);
        figure.drawRotation = Vector3(20, 35, -25);
        for (int i = 0; i < figure.getChildren().count(); ++i) {
            auto* limb = static_cast<SceneObject*>(figure.getChildren().get(i));
            limb->position += Vector3(0, 0, 0.4f);
            limb->drawPosition = limb->position;
            limb->updateCubes();
        }
        figure.updateCubes();
        camera.position = Vector3(0, 3, 0);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45, 4.0 / 3.0, 1, 300);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(3, 6, c.z + 8, 3, 1, c.z, 0, 1, 0);  // close up and from above, so a slip shows
        Image seen[2];
        for (Image& frame : seen) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            FrameBatch batch;
            FrameBatch::open = &frame == &seen[1] ? &batch : nullptr;
            figure.draw();
            FrameBatch::open = nullptr;
            batch.draw();
            frame.resize(std::size_t(width * height * 3));
            glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
        }
        // Gouraud shades blend a little differently when the renderer takes
        // a face another way: single pixels may stray, the whole may not.
        long shown = 0, uncovered = 0, recoloured = 0;
        double sum[2][3] = {};
        for (std::size_t i = 0; i < seen[0].size(); i += 3) {
            const bool covered[2] = {seen[0][i] + seen[0][i + 1] + seen[0][i + 2] > 0,
                                     seen[1][i] + seen[1][i + 1] + seen[1][i + 2] > 0};
            shown += covered[0] ? 1 : 0;
            uncovered += covered[0] != covered[1] ? 1 : 0;
            bool strays = false;
            for (std::size_t k = 0; k < 3 && covered[0] && covered[1]; ++k) {
                strays = strays || std::abs(seen[0][i + k] - seen[1][i + k]) > 32;
                sum[0][k] += seen[0][i + k];
                sum[1][k] += seen[1][i + k];
            }
            recoloured += strays ? 1 : 0;
        }
        EXPECT_GT(shown, 2000) << c.name;
        EXPECT_LT(uncovered, shown / 50) << c.name << ": of " << shown << " pixels";
        for (int k = 0; k < 3 && c.sameColours; ++k) {
            EXPECT_NEAR(sum[0][k] / double(shown), sum[1][k] / double(shown), 3) << c.name << k;
        }
        if (c.sameColours) {
            EXPECT_LT(recoloured, shown / 100) << c.name << ": of " << shown << " pixels";
        }
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << c.name;
    }
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
        EXPECT_TRUE(readPng(path) == frame) << path;
    }
    std::ofstream(home + "/file");  // a file where a folder should be
    for (const std::string& bad : {home + "/file", home + "/file/shots"}) {
        EXPECT_EQ(saveScreenshot(bad, message), "") << bad;
    }
    EXPECT_EQ(message, "screenshot failed - see the terminal");
    std::filesystem::remove_all(home);
}

// At the 60 frames cap the city moves on in nine frames of ten at least, as
// the player turns and as he walks and turns: each frame shows where things
// stand then, not only where the last of the rules' 50 ms steps left them.
TEST_F(Render, EveryFrameShowsTheCityMovedOn) {
    OwnCity own(10);
    camera.setMode(JustBehind);
    gameState = Playing;
    for (bool walking : {false, true}) {
        own.city.steerForward(walking);
        own.city.steerLeft(true);
        Image last;
        int moved = 0;
        playFrames(61, [&](const Image& frame) {
            moved += !last.empty() && frame != last;
            last = frame;
        });
        EXPECT_GE(moved, 54) << (walking ? "walking and turning: " : "turning: ") << moved
                             << " frames of 60 moved";
    }
}

// Nothing is drawn on its way between places it jumps between: after a new
// level the player shows at once where he stands, in the middle of the view
// behind him, and a figure walking over the city's edge shows at one edge or
// the other, never mid-city.
TEST_F(Render, NothingIsDrawnOnItsWayAcrossTheCity) {
    OwnCity own(10);
    Figure* player = own.city.getPlayer();
    camera.setMode(JustBehind);
    gameState = Playing;
    own.city.steerForward(true);
    own.city.steerLeft(true);
    playFrames(60, [](const Image&) {});
    own.city.steerLeft(false);
    startNextLevel();
    playFrames(9, [&](const Image&) {
        const Spot drawn = drawnAlone(*player);
        EXPECT_GT(drawn.count, 500);
        EXPECT_LT(std::abs(drawn.x - width / 2), 60) << "after a new level";
    });
    camera.setMode(Free);  // looking along z from outside the city: x = 0 in the middle
    std::tie(camera.position, camera.rotation, camera.velocity, camera.spin) =
        std::make_tuple(Vector3(0, 3, -140), Vector3(), Vector3(), Vector3());
    camera.cut();
    Figure* walker = nullptr;  // a citizen there from the start
    for (int i = own.city.getChildren().count() - 1; i >= 0; --i) {
        auto* figure = dynamic_cast<Figure*>(own.city.getChildren().get(i));
        walker = figure == player ? walker : figure != nullptr ? figure : walker;
        if (figure == player) {
            break;
        }
    }
    walker->setMode(Free);
    walker->setTarget(nullptr);
    walker->setForward(true);
    std::tie(walker->position, walker->drawPosition, walker->rotation) =
        std::make_tuple(Vector3(69, 0, 0), Vector3(69, 0, 0), Vector3(0, 90, 0));
    walker->velocity = Vector3(0.2f, 0, 0);
    playFrames(3, [](const Image&) {});  // moved by hand, not by a step: not checked
    playFrames(30, [&](const Image&) {
        const Spot drawn = drawnAlone(*walker);
        EXPECT_GT(drawn.count, 0);
        EXPECT_GT(std::abs(drawn.x - width / 2), 150) << "mid-city";
    });
    EXPECT_LT(walker->position.x, 0) << "over the edge";
}

// On the player's line of fire, the aim mark stands within 40 pixels of the
// view's middle column as a level starts and from 0.2 s into a turn, held or
// let go: the view behind him faces where he does, from his line.
TEST_F(Render, TheAimMarkStaysInTheMiddleOnceATurnIsUnderWay) {
    OwnCity own(10);
    for (int i = 0; i < 60; ++i) {
        own.city.update();
    }
    camera.setMode(JustBehind);
    startNextLevel();
    // Everyone else stands still in a far corner behind, out of the line of fire.
    for (int i = 0, n = 0; i < own.city.getChildren().count(); ++i) {
        auto* figure = dynamic_cast<Figure*>(own.city.getChildren().get(i));
        if (figure != nullptr && figure != own.city.getPlayer()) {
            figure->setMode(Free);
            figure->setTarget(nullptr);
            figure->position = Vector3(-68 + 2.0f * float(n % 10), 0, -68 + 2.0f * float(n / 10));
            ++n;
        }
    }
    const auto nearTheMiddle = [](const char* when) {
        return [when](const Image&) { EXPECT_LE(std::abs(markColumn() - width / 2), 40) << when; };
    };
    playFrames(6, nearTheMiddle("as the level starts"));
    // From 0.2 s after a turn starts, held or let go.
    own.city.steerLeft(true);
    playFrames(12, [](const Image&) {});
    playFrames(30, nearTheMiddle("while turning"));
    own.city.steerLeft(false);
    playFrames(30, nearTheMiddle("after a turn"));
}

// Two screenshots of the game's own window, named in $VORTIMBAL_ALIKE as "SEEN
// APPROVED" by an end-to-end test, held to the approved screens' tolerance.
TEST(Screenshots, AreAlike) {
    std::istringstream named(std::getenv("VORTIMBAL_ALIKE") ? std::getenv("VORTIMBAL_ALIKE") : "");
    std::string seenPath, approvedPath;
    named >> seenPath >> approvedPath;
    const Image seen = readPng(seenPath), approved = readPng(approvedPath);
    ASSERT_FALSE(seen.empty() || approved.empty())
        << "\"" << seenPath << "\" or \"" << approvedPath << "\" is no 640x480 PNG";
    expectAlike(seenPath + " against " + approvedPath, seen, approved);
}

// Asked to, by the guard in tests/support/failures_reach_ctest.sh, this fails after the
// render tests have opened their window: that failure must reach the test command.
TEST(Harness, FailsWhenAsked) {
    EXPECT_EQ(std::getenv("VORTIMBAL_PLANT_FAILURE"), nullptr) << "a failure planted on purpose";
}
