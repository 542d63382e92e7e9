// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/startup.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glut.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

#include "app/clean_exit.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/display.h"
#include "app/frame_clock.h"
#include "app/keyboard.h"
#include "app/menus.h"
#include "app/mouse.h"
#include "app/pad_input.h"
#include "app/replay.h"
#include "app/shell_state.h"
#include "app/window_geometry.h"
#include "app/window_modes.h"
#include "audio/sound_player.h"
#include "core/diagnostics.h"
#include "core/exception.h"
#include "game/game_state.h"
#include "game/world.h"
#include "models/material.h"
#include "models/material_pool.h"
#include "models/texture.h"
#include "platform/folders.h"
#include "platform/window_system.h"
#include "saves/settings.h"

namespace vortimbal {

MaterialPool* mainMaterialPool = nullptr;

namespace {

constexpr int initialWidth = 640;
constexpr int initialHeight = 480;
constexpr int warmUpSteps = 50;
// Set by startUp, cleared by finishStartUp.
bool restToStart = false;

const Color black(0, 0, 0, 1);

// The game's named materials, in the order they take their ids. The names are
// the ones the models use.
void addNamedMaterials(MaterialPool& pool) {
    auto four = [&](const char* name, Color ambient, Color specular, Color emission,
                    Color shininess) {
        Material* material = new Material(name, ambient, specular, emission, shininess);
        pool.add(material);
        return material;
    };
    auto two = [&](const char* name, Color ambient, Color specular) {
        pool.add(new Material(name, ambient, specular));
    };
    blackMaterial = four("black", black, black, black, black);
    defaultMaterial = four("white", Color(1, 1, 1, 1), black, black, black);
    two("glass", Color(0, 0, 1, 0.5f), Color(0.5f, 0.5f, 1, 1));
    four("redbrick", Color(1, 0.1f, 0, 1), black, Color(1, 0, 0, 1), Color(1, 1, 1, 1));
    two("bone", Color(0.9f, 0.9f, 0.9f, 1), Color(0.5f, 0.5f, 0.5f, 1));
    two("fldkdkgrey", Color(0.5f, 0.5f, 0.5f, 1), black);
    two("yellow", Color(1, 1, 0, 1), black);
    two("red", Color(0.8f, 0, 0, 1), Color(0.2f, 0.1f, 0.1f, 1));
    two("dkgrey", Color(0.3f, 0.3f, 0.3f, 1), black);
    two("brownskn", Color(0.6f, 0.5f, 0.3f, 1), black);
    two("bone1", Color(0.99f, 0.99f, 0.98f, 1), black);
    two("greenskn", Color(0, 0.5f, 0, 1), Color(0.1f, 0.5f, 0.1f, 1));
    two("areola3", Color(1, 1, 0.3f, 1), black);
    two("brzskin", Color(1, 0, 1, 1), black);
    two("PINC2_LEAF", Color(0, 0.5f, 0, 1), Color(0.1f, 0.5f, 0.1f, 1));
    two("estrade", Color(0.4f, 0.4f, 0.3f, 1), Color(0.5f, 0.5f, 0.4f, 1));
    two("estrade2", Color(0.3f, 0.3f, 0.3f, 1), Color(0.4f, 0.4f, 0.5f, 1));
    two("Object001", Color(0.3f, 0.3f, 0.3f, 1), Color(0.4f, 0.4f, 0.5f, 1));
    for (const char* part : {"body", "arm", "leg", "head"}) {
        two(part, Color(0.9f, 0.9f, 0.9f, 1), Color(0.2f, 0.2f, 0.2f, 1));
    }
}

std::string workingDirectory() {
    const std::string folder = currentFolder();
    return folder.empty() ? "(unknown)" : folder;
}

}  // namespace

void registerCallbacks() {
    glutReshapeFunc(onReshape);
    glutKeyboardUpFunc(onKeyUp);
    glutKeyboardFunc(onKeyDown);
    glutIdleFunc(onIdle);
    glutDisplayFunc(onDisplay);
    glutSpecialUpFunc(onSpecialUp);
    glutSpecialFunc(onSpecialDown);
    glutWindowStatusFunc(onWindowStatus);
    glutMenuStatusFunc(onMenuStatus);
    glutMotionFunc(onMouseMotion);
    glutPassiveMotionFunc(onMouseMotion);
    glutMouseFunc(onMouseButton);
    glutEntryFunc(onMouseEntry);
    endOnWindowClose();
}

void initGLState() {
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
}

MaterialPool* loadSurfaces() {
    MaterialPool* pool = new MaterialPool();
    addNamedMaterials(*pool);
    loadTextures();
    for (Texture* texture : textures) {
        pool->add(texture);
    }
    // The first lookup: from here on the pool takes no more surfaces.
    textures[0]->setBaseMaterial(pool->find("estrade"));
    return pool;
}

void setUpWindow() {
    // A new window has a context of its own: no textures, no material set yet.
    currentMaterialId = -1;
    uploadTextures();
    initGLState();
    gameWorld->switchOnLights();
    registerCallbacks();
    attachMenus();
    // Capped frames wait for the screen's refresh too; uncapped ones never do.
    requestSwapInterval(maxFramesPerSecond == 0 ? 0 : 1);
    // X repeats a held key as release and press pairs; a held key must count once.
    glutIgnoreKeyRepeat(1);
}

void buildWorld(World& city) {
    city.setCitizenPool(mainMaterialPool);
    city.build();
    // Every figure settles on the ground before the first frame.
    for (int i = 0; i < warmUpSteps; ++i) {
        city.update();
    }
}

namespace {

// Where and how large GLUT's options ask, read before glutInit takes them.
void openWindow(int* argc, char** argv) {
    const WindowPlace place = windowPlaceAskedFor(*argc, argv, initialWidth, initialHeight);
    prepareWindowSystem();
    glutInit(argc, argv);
    glutInitWindowSize(place.width, place.height);
    if (place.placed) {
        glutInitWindowPosition(place.left(glutGet(GLUT_SCREEN_WIDTH)),
                               place.top(glutGet(GLUT_SCREEN_HEIGHT)));
    }
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    mainWindow = glutCreateWindow("Vortimbal 3");
    setWindowClass("vortimbal3");
}

}  // namespace

void startUp(int* argc, char** argv) {
    enterDataFolder(std::getenv("VORTIMBAL_DATA"), VORTIMBAL_DATA_DIR, VORTIMBAL_DATA_FROM_PROGRAM,
                    std::cout);
    if (!headless) {
        openWindow(argc, argv);
    }
    // The models and materials need no GL: lists and textures reach it at the first frame.
    mainMaterialPool = loadSurfaces();
    buildWorld(world);
    if (!headless) {
        setUpWindow();
        if (startFullScreen) {
            toggleFullScreen();
        }
    }
    // After the lamps are on: the snapshot says which the game had on. One
    // that cannot be set up is told apart from a replay that fails its check,
    // as an unreadable file is.
    if (replaying() && !setUpReplayedGame(world, std::cerr)) {
        endGame(verifyingReplay ? 2 : 1);
    }
    const double now = currentTimeMs();
    lastRedisplayTime = now;
    simulationTime = now;
    restToStart = true;
}

void finishStartUp() {
    if (!std::exchange(restToStart, false)) {
        return;
    }
    // A check run as fast as it goes is heard by nobody, even if it turns the sound on.
    if (!verifyingReplay) {
        soundPlayer.open("sounds", std::cout);
    }
    const std::string settingsPath = SettingsFile::defaultFile(configHome(), homeFolder());
    const std::size_t slash = settingsPath.rfind('/');
    startPads(slash == std::string::npos ? "" : settingsPath.substr(0, slash), std::cout);
    // Each GLUT menu is a window of its own, slow to make.
    if (!headless) {
        createMenus();
        attachMenus();
    }
}

bool startUpReported(const std::function<void()>& startUpSteps, std::ostream& errors) {
    try {
        startUpSteps();
        return true;
    } catch (Exception* caught) {
        std::unique_ptr<Exception> exception(caught);
        reportError(exception->what(), errors);
        errors << "Models and images are read from obj/ and bmp/ below the working directory "
               << workingDirectory() << '\n';
        return false;
    }
}

}  // namespace vortimbal
