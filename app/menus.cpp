// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/menus.h"

#include <GL/glut.h>

#include <string>
#include <utility>
#include <vector>

#include "app/clean_exit.h"
#include "app/game_flow.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/shell_state.h"
#include "app/window_modes.h"
#include "control/camera.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "scene/switches.h"
#include "screens/notice.h"
#include "screens/options_page.h"
#include "screens/replays_page.h"
#include "screens/scores_page.h"
#include "screens/title_screen.h"

namespace vortimbal {

namespace {

enum MenuId {
    NearId = 1,
    AverageId = 2,
    FarId = 3,
    GameModeId = 4,
    FullScreenId = 5,
    BoundingCubesId = 6,
    ClippingId = 8,
    FreeId = 9,
    FaceAndFollowId = 10,
    FollowId = 11,
    Orbital1Id = 12,
    Orbital2Id = 13,
    SurfacesId = 14,
    OctreesId = 15,
    AddBadGuysId = 16,
    JustBehindId = 17,
};

constexpr int badGuysPerRaid = 50;

int mainMenu = 0;

// The entries of one menu, top to bottom; a submenu follows them.
struct Entry {
    int id;
    const char* label;
};
const Entry displayEntries[] = {{BoundingCubesId, "(Show/Hide) Bounding Cubes"},
                                {SurfacesId, "(Show/Hide) Surfaces"},
                                {FullScreenId, "(Enter/Leave) Fullscreen"},
                                {GameModeId, "(Enter/Leave) Game Mode"}};
const Entry distanceEntries[] = {{FarId, "Far"}, {AverageId, "Average"}, {NearId, "Near"}};
const Entry cameraEntries[] = {{FreeId, "Free"},
                               {FaceAndFollowId, "Face and Follow"},
                               {JustBehindId, "Just Behind"},
                               {FollowId, "Follow"},
                               {Orbital1Id, "Orbital 1"},
                               {Orbital2Id, "Orbital 2"}};
const Entry mainEntries[] = {{AddBadGuysId, "Add Bad Guys"},
                             {OctreesId, "Do [Not] Use Octrees"},
                             {ClippingId, "Do [Not] Use Bounding Cube Clipping"}};

struct Menu {
    const Entry* entries;
    int count;
    int handle = 0;
    std::vector<std::string> shown;  // the labels GLUT has now
};
Menu menus[] = {{displayEntries, 4, 0, {}},
                {distanceEntries, 3, 0, {}},
                {cameraEntries, 6, 0, {}},
                {mainEntries, 3, 0, {}}};

// A switch's state, or -1 for an entry that is none.
int switchState(int id) {
    switch (id) {
        case BoundingCubesId:
            return showBoundingCubes;
        case SurfacesId:
            return showSurfaces;
        case FullScreenId:
            return inFullScreen;
        case GameModeId:
            return inGameMode;
        case OctreesId:
            return useOctrees;
        case ClippingId:
            return useClipping;
        default:
            return -1;
    }
}

// Whether the entry names the camera's mode or distance as they are.
bool chosenNow(int id) {
    const std::pair<int, int> modes[] = {
        {FreeId, Free},     {FaceAndFollowId, FaceAndFollow}, {JustBehindId, JustBehind},
        {FollowId, Follow}, {Orbital1Id, Orbital1},           {Orbital2Id, Orbital2}};
    for (const auto& [entry, mode] : modes) {
        if (id == entry) {
            return camera.getMode() == mode;
        }
    }
    const std::pair<int, float> distances[] = {{NearId, 10.0f}, {AverageId, 20.0f}, {FarId, 30.0f}};
    for (const auto& [entry, distance] : distances) {
        if (id == entry) {
            return camera.getDistance() == distance;
        }
    }
    return false;
}

const char* labelOf(int id) {
    for (const Menu& menu : menus) {
        for (int i = 0; i < menu.count; ++i) {
            if (menu.entries[i].id == id) {
                return menu.entries[i].label;
            }
        }
    }
    return "";
}

int addMenu(Menu& menu) {
    menu.handle = glutCreateMenu(onMenuChoice);
    menu.shown.clear();
    for (int i = 0; i < menu.count; ++i) {
        menu.shown.push_back(menuLabel(menu.entries[i].id));
        glutAddMenuEntry(menu.shown.back().c_str(), menu.entries[i].id);
    }
    return menu.handle;
}

void toggle(int& flag, const char* name) {
    flag = flag == 0 ? 1 : 0;
    noticeSwitch(name, flag != 0);
}

}  // namespace

std::string menuLabel(int id) {
    const int state = switchState(id);
    if (state >= 0) {
        return std::string(labelOf(id)) + (state != 0 ? ": on" : ": off");
    }
    return (chosenNow(id) ? "* " : "") + std::string(labelOf(id));
}

void createMenus() {
    auto& [display, distance, cameraMode, top] = menus;
    addMenu(display);
    addMenu(distance);
    addMenu(cameraMode);
    glutAddSubMenu("Distance", distance.handle);
    mainMenu = addMenu(top);
    glutAddSubMenu("Display", display.handle);
    glutAddSubMenu("Camera Mode", cameraMode.handle);
}

void refreshMenus() {
    // GLUT refuses to change a menu that is open.
    if (menuOpen || mainMenu == 0) {
        return;
    }
    const int current = glutGetMenu();
    for (Menu& menu : menus) {
        for (int i = 0; i < menu.count; ++i) {
            std::string label = menuLabel(menu.entries[i].id);
            if (label != menu.shown[std::size_t(i)]) {
                glutSetMenu(menu.handle);
                glutChangeToMenuEntry(i + 1, label.c_str(), menu.entries[i].id);
                menu.shown[std::size_t(i)] = std::move(label);
            }
        }
    }
    glutSetMenu(current);
}

void attachMenus() {
    if (mainMenu != 0) {
        glutSetMenu(mainMenu);
        glutAttachMenu(GLUT_RIGHT_BUTTON);
    }
}

void onMenuChoice(int id) {
    if (replaying()) {
        return;
    }
    recordInput(InputKind::Menu, id, 0);
    onMenu(id);
}

void onMenuStatus(int status, int, int) {
    if (replaying()) {
        return;
    }
    menuOpen = status == GLUT_MENU_IN_USE;
    recordInput(InputKind::MenuOpen, menuOpen ? 1 : 0, 0);
}

void onMenu(int id) {
    switch (id) {
        case NearId:
            camera.setDistance(10.0f);
            break;
        case AverageId:
            camera.setDistance(20.0f);
            break;
        case FarId:
            camera.setDistance(30.0f);
            break;
        case GameModeId:
            toggleGameMode();
            break;
        case FullScreenId:
            toggleFullScreen();
            break;
        case BoundingCubesId:
            toggle(showBoundingCubes, "bounding cubes");
            break;
        case ClippingId:
            toggle(useClipping, "clipping");
            break;
        case FreeId:
            camera.setMode(Free);
            break;
        case FaceAndFollowId:
            camera.setMode(FaceAndFollow);
            break;
        case FollowId:
            camera.setMode(Follow);
            break;
        case Orbital1Id:
            camera.setMode(Orbital1);
            break;
        case Orbital2Id:
            camera.setMode(Orbital2);
            break;
        case SurfacesId:
            toggle(showSurfaces, "surfaces");
            break;
        case OctreesId:
            toggle(useOctrees, "octrees");
            break;
        case AddBadGuysId:
            if (gameWorld->addFigures(badGuysPerRaid, true) < badGuysPerRaid) {
                showNotice("the city is full");
            }
            break;
        case JustBehindId:
            camera.setMode(JustBehind);
            break;
        case QuitItem:
            // A replayed run ends at its end line: its Quit must not end the watcher's.
            if (!replaying()) {
                endGame();
            }
            break;
        case NewGameItem:
            startNewGame();
            break;
        case ResumeItem:
            resumeGame();
            break;
        case HelpItem:
            helpShown = HelpPage;
            break;
        case ScoresItem:
            openScoresPage();
            break;
        case ReplaysItem:
            openReplaysPage();
            break;
        case OptionsItem:
            openOptionsPage();
            break;
        default:
            break;
    }
}

}  // namespace vortimbal
