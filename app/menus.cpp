// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/menus.h"

#include <GL/glut.h>

#include "app/clean_exit.h"
#include "app/game_flow.h"
#include "app/replay.h"
#include "app/shell_state.h"
#include "app/window_modes.h"
#include "control/camera.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "scene/switches.h"
#include "screens/notice.h"
#include "screens/options_page.h"
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

void toggle(int& flag, const char* name) {
    flag = flag == 0 ? 1 : 0;
    noticeSwitch(name, flag != 0);
}

}  // namespace

void createMenus() {
    const int display = glutCreateMenu(onMenuChoice);
    glutAddMenuEntry("(Show/Hide) Bounding Cubes", BoundingCubesId);
    glutAddMenuEntry("(Show/Hide) Surfaces", SurfacesId);
    glutAddMenuEntry("(Enter/Leave) Fullscreen", FullScreenId);
    glutAddMenuEntry("(Enter/Leave) Game Mode", GameModeId);

    const int distance = glutCreateMenu(onMenuChoice);
    glutAddMenuEntry("Far", FarId);
    glutAddMenuEntry("Average", AverageId);
    glutAddMenuEntry("Near", NearId);

    const int cameraMode = glutCreateMenu(onMenuChoice);
    glutAddMenuEntry("Free", FreeId);
    glutAddMenuEntry("Face and Follow", FaceAndFollowId);
    glutAddMenuEntry("Just Behind", JustBehindId);
    glutAddMenuEntry("Follow", FollowId);
    glutAddMenuEntry("Orbital 1", Orbital1Id);
    glutAddMenuEntry("Orbital 2", Orbital2Id);
    glutAddSubMenu("Distance", distance);

    mainMenu = glutCreateMenu(onMenuChoice);
    glutAddMenuEntry("Add Bad Guys", AddBadGuysId);
    glutAddMenuEntry("Do [Not] Use Octrees", OctreesId);
    glutAddMenuEntry("Do [Not] Use Bounding Cube Clipping", ClippingId);
    glutAddSubMenu("Display", display);
    glutAddSubMenu("Camera Mode", cameraMode);
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
            endGame();
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
            helpShown = ScoresPage;
            break;
        case OptionsItem:
            openOptionsPage();
            break;
        default:
            break;
    }
}

}  // namespace vortimbal
