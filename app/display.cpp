// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/display.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <utility>

#include "app/frame_clock.h"
#include "app/mouse.h"
#include "app/replay.h"
#include "app/replay_pace.h"
#include "app/screenshot.h"
#include "app/shell_state.h"
#include "control/camera.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "scene/coloring.h"
#include "scene/line_batch.h"
#include "scene/switches.h"
#include "screens/aim_marker.h"
#include "screens/hud.h"
#include "screens/notice.h"
#include "screens/options_page.h"
#include "screens/replays_page.h"
#include "screens/scores_page.h"
#include "screens/threat_marks.h"
#include "screens/title_screen.h"

namespace vortimbal {

namespace {

constexpr double fieldOfView = 45.0;
bool screenshotWanted = false;

// A minimised window reports a height of zero; keep the last sane aspect.
double aspectRatio() {
    static double lastAspect = 640.0 / 480.0;
    if (windowWidth > 0 && windowHeight > 0) {
        lastAspect = double(windowWidth / windowHeight);
    }
    return lastAspect;
}

void drawTitlePage() {
    if (helpShown == OptionsPage) {
        drawOptionsScreen();
    } else if (helpShown == ScoresPage) {
        drawScoresScreen();
    } else if (helpShown == ReplaysPage) {
        drawReplaysScreen();
    } else if (helpShown == HelpPage) {
        drawHelpScreen();
    } else {
        drawTitleScreen();
    }
}

// Drawn after the scene with the depth test off, so nothing in the city,
// however near the camera, covers a letter.
void drawOverlay() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(-1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    if (gameState != Title) {
        drawHud(replaying() ? replayLabel().c_str() : nullptr);
    } else {
        drawTitlePage();
    }
    drawNotice();
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
}

// Behind the title the city shows only as wire cubes, whatever the user chose,
// gathered into one batch of lines: a glBegin for each would cost more than play.
// They are dimmed as they are drawn, as a dark sheet at 0.75 over them would
// leave them (a quarter, 64 of 255 as the renderer blends), so the page reads.
void drawWorldAsCubes() {
    constexpr unsigned char behindThePage = 64;
    const int surfaces = showSurfaces;
    const int cubes = showBoundingCubes;
    showSurfaces = 0;
    showBoundingCubes = 1;
    static LineBatch lines;
    LineBatch::open = &lines;
    startDimming(behindThePage);
    try {
        gameWorld->draw();
    } catch (...) {
        stopDimming();
        LineBatch::open = nullptr;
        showSurfaces = surfaces;
        showBoundingCubes = cubes;
        throw;
    }
    LineBatch::open = nullptr;
    lines.draw();
    stopDimming();
    showSurfaces = surfaces;
    showBoundingCubes = cubes;
}

void drawScene() {
    setSceneMatrices();
    // The first frame comes up at once; the next draws the whole city once
    // unseen, so its faces are compiled and the renderer ready before play.
    if (framesBeforeWarmUp >= 0 && framesBeforeWarmUp-- == 0) {
        gameWorld->draw();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    if (gameState == Title) {
        drawWorldAsCubes();
    } else {
        gameWorld->draw();
        placeAimMarker();
        placeThreatMarks();
    }
}

}  // namespace

void setSceneMatrices() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    setPerspective();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    camera.applyView();
}

void setPerspective() {
    gluPerspective(fieldOfView, aspectRatio(), camera.nearPlane, camera.farPlane);
}

void drawFrame() {
    camera.turnAhead = mouseTurnAhead();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScene();
    drawOverlay();
}

void requestScreenshot() {
    // A replay, watched or played, writes nothing of the player's.
    if (!replaying()) {
        screenshotWanted = true;
    }
}

void onDisplay() {
    drawFrame();
    // Taken from the frame just drawn, before it is shown.
    if (std::exchange(screenshotWanted, false)) {
        std::string message;
        takeScreenshot(message);
        showNotice(message);
    }
    countFrame(currentTimeMs());
    glutSwapBuffers();
    // For tests and bug hunts: every frame's GL errors, reported as they come.
    static const bool checking = std::getenv("VORTIMBAL_GL_CHECK") != nullptr;
    static long frame = 0;
    ++frame;
    for (GLenum error; checking && (error = glGetError()) != GL_NO_ERROR;) {
        std::cerr << "GL error 0x" << std::hex << error << std::dec << " in frame " << frame
                  << '\n';
    }
}

void onReshape(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    windowWidth = float(width);
    windowHeight = float(height);
    setPerspective();
    glutPostRedisplay();
}

}  // namespace vortimbal
