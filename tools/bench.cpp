// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// Measures what the game costs on this machine: frames of each screen beside
// the empty-frame floor, world steps with and without octrees, one "Add Bad
// Guys", resident memory (also over a long game), run as "bench startup", start-up to the first
// frame and, run as "bench motion", how smooth play looks at the 60 frames cap and how soon
// a key or the mouse shows. Run from the data folder under a display; prints Markdown rows.

#include <GL/freeglut.h>
#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <iostream>
#include <numeric>
#include <string>
#include <vector>

#include "app/display.h"
#include "app/frame_clock.h"
#include "app/game_flow.h"
#include "app/keyboard.h"
#include "app/mouse.h"
#include "app/shell_state.h"
#include "app/startup.h"
#include "control/camera.h"
#include "game/figure.h"
#include "game/game_state.h"
#include "game/world.h"
#include "saves/settings.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double residentMiB() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return double(resident) * 4096 / (1024 * 1024);
}

int framesDrawn = 0;
std::function<void()> drawOne = onDisplay;

void countingDisplay() {
    drawOne();
    ++framesDrawn;
}

// Runs the game's own loop for `seconds` and returns milliseconds per frame.
double msPerFrame(double seconds) {
    glutDisplayFunc(countingDisplay);
    const Clock::time_point start = Clock::now();
    framesDrawn = 0;
    while (msSince(start) < seconds * 1000) {
        glutMainLoopEvent();
        onIdle();
    }
    glFinish();
    return msSince(start) / std::max(framesDrawn, 1);
}

// Steps the game on unseen until the bad guys that just dropped have landed,
// so every row measures the same kind of scene whatever the machine's speed.
void settle() {
    for (int i = 0; i < 60; ++i) {
        camera.update();
        gameWorld->update();
    }
}

void frameRow(const char* what, double ms, double floorMs) {
    std::printf("| %s | %.0f | %.2f | %.1f |\n", what, 1000 / ms, ms, ms / floorMs);
}

// Rows are measured in short slices, each after a slice of the floor, and
// keep the median of their slices: other work on the machine then weighs on
// the floor as on the rows, and one slow moment stands for neither.
constexpr int slicesPerRow = 8;
std::vector<double> floorSlices;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Frames that only clear and swap, in the same loop; the world is not stepped.
double msPerEmptyFrame(double seconds) {
    const int state = gameState;
    gameState = Title;
    drawOne = [] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
    };
    const double ms = msPerFrame(seconds);
    drawOne = onDisplay;
    gameState = state;
    return ms;
}

struct FrameRow {
    const char* what;
    double ms;
};

double measuredRow(double seconds) {
    std::vector<double> row;
    for (int i = 0; i < slicesPerRow; ++i) {
        floorSlices.push_back(msPerEmptyFrame(seconds / slicesPerRow / 2));
        row.push_back(msPerFrame(seconds / slicesPerRow));
    }
    return median(row);
}

double msPerStep(World& city, int steps) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < steps; ++i) {
        city.update();
    }
    return msSince(start) / steps;
}

// With `only` set (title, 1, 200, 500 or 1000), that row alone is drawn for
// the whole time, with no floor: for a profiler.
void measureFrames(double seconds, const std::string& only) {
    const struct {
        const char* what;
        const char* key;
        int added;
    } rows[] = {{"title screen", "title", -1},
                {"level 1, default camera", "1", 0},
                {"level 1 and 200 extra bad guys", "200", 200},
                {"level 1 and 500 extra bad guys", "500", 300},
                {"level 1 and 1,000 extra bad guys", "1000", 500}};
    std::vector<FrameRow> measured;
    for (const auto& row : rows) {
        if (row.added == 0) {
            startNewGame();
        }
        if (row.added > 0) {
            gameWorld->addFigures(row.added, true);
        }
        if (row.added >= 0) {
            settle();
        }
        if (only.empty()) {
            measured.push_back({row.what, measuredRow(seconds)});
        } else if (only == row.key) {
            // Processor time too, over every thread: on a busy machine it
            // varies less than the time on the clock.
            const std::clock_t cpuStart = std::clock();
            const double ms = msPerFrame(seconds);
            const double cpuMs = double(std::clock() - cpuStart) * 1000 / CLOCKS_PER_SEC;
            std::printf("| %s | %.0f | %.2f | %.2f processor |\n", row.what, 1000 / ms, ms,
                        cpuMs / std::max(framesDrawn, 1));
            return;
        }
    }
    const double floorMs = median(floorSlices);
    std::printf("| Frames | per second | ms per frame | times the floor |\n|---|---|---|---|\n");
    frameRow("empty frame (the floor)", floorMs, floorMs);
    for (const FrameRow& row : measured) {
        frameRow(row.what, row.ms, floorMs);
    }
}

void measureSteps() {
    std::printf("| World step | octree on, ms | octree off, ms | speed-up |\n|---|---|---|---|\n");
    Controller* followed = camera.getTarget();
    World city;
    city.setCitizenPool(mainMaterialPool);
    city.build();
    city.addFigures(10, true);
    for (int extra : {0, 1000}) {
        city.addFigures(extra, true);
        const int steps = extra == 0 ? 400 : 20;
        useOctrees = 1;
        const double with = msPerStep(city, steps);
        useOctrees = 0;
        const double without = msPerStep(city, steps);
        useOctrees = 1;
        std::printf("| %s | %.3f | %.3f | %.1f |\n",
                    extra == 0 ? "level 1 city" : "and 1,000 extra bad guys", with, without,
                    without / with);
    }
    camera.setTarget(followed);
}

void measureRaidAndMemory() {
    std::printf("renderer: %s, %s\n", glGetString(GL_RENDERER), glGetString(GL_VERSION));
    std::printf("| Other | value |\n|---|---|\n");
    std::printf("| resident memory after start-up | %.0f MiB |\n", residentMiB());
    const Clock::time_point start = Clock::now();
    gameWorld->addFigures(50, true);
    std::printf("| one \"Add Bad Guys\" (50 figures) | %.1f ms |\n", msSince(start));
    gameWorld->addFigures(450, true);
    glutMainLoopEvent();
    onDisplay();
    glFinish();
    std::printf("| resident memory with 500 extra bad guys, drawn | %.0f MiB |\n", residentMiB());
}

// A perfect player: steps up behind each bad guy in turn and fires, until
// the level is cleared; then the level is drawn once.
void clearLevel(World& city) {
    for (int i = 0; i < 60; ++i) {
        city.update();
    }
    Figure* player = city.getPlayer();
    for (int tries = 0; city.badGuysLeft() > 0 && tries < 4000; ++tries) {
        for (int i = 0; i < city.getChildren().count(); ++i) {
            auto* figure = dynamic_cast<Figure*>(city.getChildren().get(i));
            if (figure != nullptr && figure->isBad()) {
                player->position = figure->position - Vector3(0, 0, 8);
                player->rotation = Vector3();
                city.fire(player);
            }
        }
        city.update();
    }
    glutMainLoopEvent();
    onDisplay();
    glFinish();
}

// Resident memory over a long scripted game and over New Games after it.
void measureLongGame() {
    auto& city = dynamic_cast<World&>(*gameWorld);
    std::printf("| Memory over a scripted game | resident |\n|---|---|\n");
    startNewGame();
    clearLevel(city);
    std::printf("| level 1 cleared | %.0f MiB |\n", residentMiB());
    while (level < 20) {
        startNextLevel();
        clearLevel(city);
    }
    std::printf("| level 20 cleared | %.0f MiB |\n", residentMiB());
    for (int game = 1; game <= 5; ++game) {
        startNewGame();
        clearLevel(city);
        if (game == 1 || game == 5) {
            std::printf("| New Game %d, level 1 cleared | %.0f MiB |\n", game, residentMiB());
        }
    }
}

// The heading the view of the frame just drawn faces, in degrees.
double viewHeading() {
    setSceneMatrices();
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    return std::atan2(-m[2], -m[10]) * 180 / 3.14159265358979;
}

double turnBetween(double from, double to) {
    return std::remainder(to - from, 360.0);
}

// Frames drawn at the 60 frames cap for `seconds` with the keys held, every
// frame read back: the percent that differ from the frame before.
double percentMoved(double seconds, std::initializer_list<int> keys) {
    static std::vector<unsigned char> last, frame;
    static int moved;
    moved = 0;
    last.clear();
    drawOne = [] {
        drawFrame();
        frame.resize(std::size_t(windowWidth * windowHeight * 3));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, int(windowWidth), int(windowHeight), GL_RGB, GL_UNSIGNED_BYTE,
                     frame.data());
        moved += !last.empty() && frame != last;
        last.swap(frame);
        glutSwapBuffers();
    };
    for (int key : keys) {
        onSpecialDown(key, 0, 0);
    }
    msPerFrame(seconds);
    for (int key : keys) {
        onSpecialUp(key, 0, 0);
    }
    drawOne = onDisplay;
    return 100.0 * moved / std::max(framesDrawn - 1, 1);
}

// The game's loop until `ms` have gone by, calling `frame` after each frame.
void playFor(double ms, const std::function<void()>& frame) {
    static std::function<void()> after;
    after = frame;
    drawOne = [] {
        onDisplay();
        after();
    };
    const Clock::time_point start = Clock::now();
    while (msSince(start) < ms) {
        glutMainLoopEvent();
        onIdle();
    }
    drawOne = onDisplay;
}

struct Delays {
    std::vector<double> shown, viewStill, playerStill;
};

// One input at a moment drawn at random within a step, once the view is still:
// how long until a frame shows the view turned; and for a key, held 300 ms,
// how long after its release the view and the player turn on.
void timeInput(bool mouse, Delays& delays) {
    playFor(2500, [] {});
    playFor(double(std::rand() % 50), [] {});
    const Clock::time_point pressed = Clock::now();
    const double before = viewHeading();
    double shownMs = -1;
    const auto watchView = [&] {
        if (shownMs < 0 && std::abs(turnBetween(before, viewHeading())) > 0.01) {
            shownMs = msSince(pressed);
        }
    };
    if (mouse) {
        onMouseMotion(int(windowWidth) / 2 + 40, int(windowHeight) / 2);
        playFor(300, watchView);
        delays.shown.push_back(shownMs);
        return;
    }
    onSpecialDown(GLUT_KEY_LEFT, 0, 0);
    playFor(300, watchView);
    onSpecialUp(GLUT_KEY_LEFT, 0, 0);
    const Clock::time_point released = Clock::now();
    Figure* player = dynamic_cast<World&>(*gameWorld).getPlayer();
    double view = viewHeading(), heading = player->rotation.y, viewMs = 0, playerMs = 0;
    playFor(2500, [&] {
        if (std::abs(turnBetween(view, viewHeading())) > 0.01) {
            viewMs = msSince(released);
        }
        if (player->rotation.y != heading) {
            playerMs = msSince(released);
        }
        view = viewHeading();
        heading = player->rotation.y;
    });
    delays.shown.push_back(shownMs);
    delays.viewStill.push_back(viewMs);
    delays.playerStill.push_back(playerMs);
}

void delayRow(const char* what, const std::vector<double>& ms) {
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / double(ms.size());
    std::printf("| %s | %.0f | %.0f |\n", what, mean, *std::max_element(ms.begin(), ms.end()));
}

void measureMotion() {
    maxFramesPerSecond = 60;
    startNewGame();
    settle();
    std::printf(
        "| At the 60 frames cap, 4 s | frames that differ from the one before |\n"
        "|---|---|\n");
    std::printf("| turning | %.0f %% |\n", percentMoved(4, {GLUT_KEY_LEFT}));
    std::printf("| walking and turning | %.0f %% |\n",
                percentMoved(4, {GLUT_KEY_LEFT, GLUT_KEY_UP}));
    Delays key, mouse;
    settings.mouseAim = true;
    onMouseEntry(GLUT_ENTERED);
    for (int trial = 0; trial < 10; ++trial) {
        timeInput(false, key);
        timeInput(true, mouse);
    }
    std::printf(
        "\n| From the input, default camera, 10 times | mean, ms | worst, ms |\n"
        "|---|---|---|\n");
    delayRow("a turn key pressed, to the first frame whose view turned", key.shown);
    delayRow("the mouse moved, to the first frame whose view turned", mouse.shown);
    delayRow("the turn key released, to the last frame whose view turned", key.viewStill);
    delayRow("the turn key released, to the last frame the player turned in", key.playerStill);
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point started = Clock::now();
    const std::string mode = argc > 1 ? argv[1] : "";
    const double seconds = argc > 2 ? std::atof(argv[2]) : 4;
    if (mode != "startup" && mode != "frames" && mode != "steps" && mode != "other" &&
        mode != "memory" && mode != "motion") {
        std::fprintf(
            stderr,
            "usage: bench startup | frames [SECONDS [ROW]] | steps | other | memory | motion\n");
        return 2;
    }
    maxFramesPerSecond = 0;
    if (!startUpReported([&] { startUp(&argc, argv); }, std::cerr)) {
        return 1;
    }
    if (mode == "startup") {
        onDisplay();
        glFinish();
        std::printf("%.1f\n", msSince(started));
    } else if (mode == "frames") {
        measureFrames(seconds, argc > 3 ? argv[3] : "");
    } else if (mode == "steps") {
        measureSteps();
    } else if (mode == "memory") {
        measureLongGame();
    } else if (mode == "motion") {
        measureMotion();
    } else {
        measureRaidAndMemory();
    }
    return 0;
}
