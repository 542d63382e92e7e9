#include <GL/glut.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/game_state.h"
#include "app/keyboard.h"
#include "app/menus.h"
#include "app/title_screen.h"
#include "control/camera.h"
#include "gl_recorder.h"
#include "recording_world.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

using Commands = std::vector<std::string>;

class Input : public ::testing::Test {
  protected:
    void SetUp() override {
        glrec::reset();
        gameState = Title;
        level = 0;
        lastKeyDown = 0;
        titleSelection = NewGameItem;
    }

    void press(unsigned char key) { onKeyDown(key, 0, 0); }
    void release(unsigned char key) { onKeyUp(key, 0, 0); }
    void tap(unsigned char key) {
        press(key);
        release(key);
    }
    void tapSpecial(int key) {
        onSpecialDown(key, 0, 0);
        onSpecialUp(key, 0, 0);
    }

    RecordingWorld world;
    ScopedWorld usingWorld{world};
};

}  // namespace

TEST_F(Input, AHeldKeyIsOnePressAndOneReleaseAndAnyReleaseClearsTheFilter) {
    gameState = Playing;
    press(' ');
    press(' ');
    press(' ');
    release(' ');
    EXPECT_EQ(world.commands, (Commands{"playerFire on", "playerFire off"}));

    world.commands.clear();
    press('z');
    press('i');
    release('i');
    press('z');  // the system repeating the held 'z' after 'i' was let go
    EXPECT_EQ(world.commands, (Commands{"playerFire on", "playerFire on"}));
    EXPECT_EQ(lastKeyDown, 'z');
}

TEST_F(Input, EnterOnTheTitleActsOnReleaseAndStartsANewGame) {
    world.good = 40;
    press(13);
    EXPECT_EQ(gameState, Title);
    release(13);
    EXPECT_EQ(gameState, Playing);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(world.commands, (Commands{"removeBadGuys", "addFigures 10 bad", "addFigures 11 good",
                                        "resetPlayer"}));
    EXPECT_FLOAT_EQ(world.lastSpeedFactor, 1.0f);

    world.badGuys = 0;
    gameState = LevelCleared;
    press(' ');
    EXPECT_EQ(gameState, LevelCleared) << "fire on a cleared level acts on release";
    release(' ');
    EXPECT_EQ(level, 2);
    EXPECT_EQ(world.badGuys, 15);
    EXPECT_FLOAT_EQ(world.lastSpeedFactor, 2 * 0.05f + 0.95f);

    gameState = LevelCleared;
    tap(27);
    EXPECT_EQ(level, 3) << "Escape on a cleared level goes on too";
    EXPECT_EQ(world.badGuys, 35);
}

TEST_F(Input, GameOverWaitsForEnterOrEscape) {
    gameState = GameOver;
    tap(' ');
    tap('z');
    EXPECT_EQ(gameState, GameOver);
    EXPECT_TRUE(world.commands.empty());
    tap(10);
    EXPECT_EQ(gameState, Title);
    gameState = GameOver;
    tap(27);
    EXPECT_EQ(gameState, Title);
}

TEST_F(Input, EscapePausesAndResumesOnlyAStartedGame) {
    tap(27);
    EXPECT_EQ(gameState, Title) << "nothing to resume before the first game";
    level = 2;
    gameState = Playing;
    press(27);
    EXPECT_EQ(gameState, Playing) << "Escape acts on release";
    release(27);
    EXPECT_EQ(gameState, Title);
    tap(27);
    EXPECT_EQ(gameState, Playing);
    EXPECT_EQ(level, 2);
    EXPECT_TRUE(world.commands.empty()) << "pausing and resuming keeps the world";
}

TEST_F(Input, ArrowsSteerInEveryStateAndMoveTheTitleSelection) {
    tapSpecial(GLUT_KEY_UP);
    EXPECT_EQ(titleSelection, NewGameItem);
    tapSpecial(GLUT_KEY_DOWN);
    EXPECT_EQ(titleSelection, HelpItem);
    tapSpecial(GLUT_KEY_DOWN);
    EXPECT_EQ(titleSelection, QuitItem);
    tapSpecial(GLUT_KEY_DOWN);
    EXPECT_EQ(titleSelection, QuitItem);
    tapSpecial(GLUT_KEY_UP);
    EXPECT_EQ(titleSelection, HelpItem);
    EXPECT_EQ(world.commands.front(), "steerForward on");
    EXPECT_EQ(world.commands.size(), 10u);

    gameState = GameOver;
    world.commands.clear();
    onSpecialDown(GLUT_KEY_LEFT, 0, 0);
    onSpecialDown(GLUT_KEY_RIGHT, 0, 0);
    onSpecialUp(GLUT_KEY_RIGHT, 0, 0);
    onSpecialDown(GLUT_KEY_UP, 0, 0);
    onSpecialDown(GLUT_KEY_F1, 0, 0);
    EXPECT_EQ(world.commands,
              (Commands{"steerLeft on", "steerRight on", "steerRight off", "steerForward on"}));
    EXPECT_EQ(titleSelection, HelpItem) << "the selection moves only on the title";
}

TEST_F(Input, HelpOpensFromTheTitleAndFireOrEscapeCloseIt) {
    tapSpecial(GLUT_KEY_DOWN);
    tap(' ');
    EXPECT_EQ(helpShown, 1);
    tapSpecial(GLUT_KEY_DOWN);
    EXPECT_EQ(titleSelection, HelpItem) << "the menu stays put under the help page";
    tap(' ');
    EXPECT_EQ(helpShown, 0);
    EXPECT_EQ(gameState, Title);
    tap(13);
    EXPECT_EQ(helpShown, 1);
    level = 1;
    tap(27);
    EXPECT_EQ(helpShown, 0);
    EXPECT_EQ(gameState, Title) << "Escape only closes the help page";
}

TEST_F(Input, CameraKeysWorkInEveryState) {
    gameState = GameOver;
    press('i');
    EXPECT_TRUE(camera.keyForward);
    release('i');
    EXPECT_FALSE(camera.keyForward);
    press('h');
    EXPECT_TRUE(camera.keyPitchDown);
    release('h');

    const float before = camera.thrust.x;
    press('s');
    EXPECT_FLOAT_EQ(camera.thrust.x, before + 0.02f);
    release('s');
    press('d');
    EXPECT_FLOAT_EQ(camera.thrust.x, before - 0.02f);
    release('d');
    EXPECT_FLOAT_EQ(camera.thrust.x, before);

    tap('1');
    tap('2');
    tap('x');
    EXPECT_EQ(world.commands, (Commands{"toggleLight0", "toggleLight1"}));
}

TEST_F(Input, MenuCommandsSetTheCameraAndTheSwitches) {
    onMenu(9);
    EXPECT_EQ(camera.getMode(), Free);
    camera.setForward(true);
    onMenu(12);
    EXPECT_EQ(camera.getMode(), Orbital1);
    EXPECT_FALSE(camera.keyForward) << "a new mode drops held keys";
    onMenu(3);
    EXPECT_FLOAT_EQ(camera.getDistance(), 30);
    onMenu(1);
    EXPECT_FLOAT_EQ(camera.getDistance(), 10);

    const int surfaces = showSurfaces;
    onMenu(14);
    EXPECT_EQ(showSurfaces, 1 - surfaces);
    onMenu(14);
    EXPECT_EQ(showSurfaces, surfaces);
    onMenu(15);
    EXPECT_EQ(useOctrees, 0);
    onMenu(8);
    EXPECT_EQ(useClipping, 0);
    onMenu(6);
    EXPECT_EQ(showBoundingCubes, 1);
    onMenu(16);
    EXPECT_EQ(world.commands, (Commands{"addFigures 50 bad"}));
}

TEST_F(Input, MenuIdsWithoutAnEntryChangeNothing) {
    const auto before = std::make_tuple(showBoundingCubes, showSurfaces, useClipping, useOctrees,
                                        camera.getMode(), camera.getDistance(), gameState, level,
                                        helpShown, inGameMode, inFullScreen);
    for (int id : {0, 7, 21, 99, -1}) {
        onMenu(id);
    }
    const auto after = std::make_tuple(showBoundingCubes, showSurfaces, useClipping, useOctrees,
                                       camera.getMode(), camera.getDistance(), gameState, level,
                                       helpShown, inGameMode, inFullScreen);
    EXPECT_EQ(before, after);
    EXPECT_TRUE(world.commands.empty());
    EXPECT_TRUE(glrec::calls().empty());
}

TEST_F(Input, FullScreenAndGameModeCanBeLeftAgain) {
    windowWidth = 800;
    windowHeight = 600;
    onMenu(5);
    EXPECT_TRUE(glrec::isFullScreen());
    onMenu(5);
    EXPECT_FALSE(glrec::isFullScreen());
    EXPECT_EQ(glrec::named("glutReshapeWindow").back().args, (std::vector<double>{800, 600}));

    glrec::reset();
    onMenu(4);
    EXPECT_TRUE(glrec::isGameModeActive());
    EXPECT_EQ(inGameMode, 1);
    EXPECT_EQ(world.commands, (Commands{"switchOnLights"}));
    EXPECT_LT(glrec::indexOf("glutEnterGameMode"), glrec::indexOf("glShadeModel"));
    EXPECT_LT(glrec::indexOf("glShadeModel"), glrec::indexOf("glutReshapeFunc"));
    EXPECT_EQ(glrec::count("glutSpecialFunc"), 1) << "the callbacks are registered again";
    mainWindow = 1;
    onMenu(4);
    EXPECT_FALSE(glrec::isGameModeActive());
    EXPECT_EQ(inGameMode, 0);
    EXPECT_EQ(glrec::named("glutSetWindow").back().args[0], 1) << "back to the game's window";

    glrec::reset();
    glrec::failGameMode(true);
    onMenu(4);
    EXPECT_EQ(inGameMode, 0) << "a display that cannot switch modes keeps the window";
    EXPECT_EQ(glrec::count("glutReshapeFunc"), 0);
    glrec::reset();

    onMenu(4);
    gameState = Playing;
    tap(27);
    EXPECT_FALSE(glrec::isGameModeActive()) << "Escape in play leaves game mode";
    EXPECT_EQ(gameState, Title);
}

TEST_F(Input, QuitEndsTheProgramWithStatusZero) {
    EXPECT_EXIT(onMenu(QuitItem), ::testing::ExitedWithCode(0), "");
    tapSpecial(GLUT_KEY_DOWN);
    tapSpecial(GLUT_KEY_DOWN);
    press(13);
    EXPECT_EXIT(release(13), ::testing::ExitedWithCode(0), "");
}
