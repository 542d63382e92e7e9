// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <GL/glut.h>
#include <SDL2/SDL_gamecontroller.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/display.h"
#include "app/frame_clock.h"
#include "app/keyboard.h"
#include "app/menus.h"
#include "app/pad_input.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/run.h"
#include "app/settings_in_force.h"
#include "app/shell_state.h"
#include "app/startup.h"
#include "audio/sound_player.h"
#include "control/camera.h"
#include "game/game_listener.h"
#include "game/game_state.h"
#include "game/world.h"
#include "gl_recorder.h"
#include "input/gamepad.h"
#include "models/material_pool.h"
#include "models/texture.h"
#include "recording_world.h"
#include "saves/high_scores.h"
#include "saves/replay_folder.h"
#include "saves/settings.h"
#include "scene/switches.h"
#include "screens/hud.h"
#include "screens/notice.h"
#include "screens/options_page.h"
#include "screens/replays_page.h"
#include "screens/stroke_font.h"
#include "screens/title_screen.h"

using namespace vortimbal;

namespace {

using Commands = std::vector<std::string>;
using Shown = std::tuple<int, int, int>;  // game state, level, help page

std::uint32_t fakeTick = 0;
std::uint32_t readFakeTick() {
    return fakeTick;
}

// Every test plays a run of its own, as a run starts, on the title with a
// fresh stand-in world, and leaves the shell's globals as it found them.
class Shell : public ::testing::Test {
  protected:
    void SetUp() override {
        glrec::reset();
        // What the command line's tests leave is the shell's, not the run's.
        std::tie(lastKeyDown, maxFramesPerSecond, windowSeen) = std::make_tuple(0, 0, true);
        beginRun();
        fakeTick = 1000;
        setTickSource(readFakeTick, [](double) {});
        simulationTime = lastRedisplayTime = currentTimeMs();
    }
    void TearDown() override {
        std::tie(maxFramesPerSecond, windowSeen) = std::make_tuple(0, true);
    }

    // Idles the way GLUT does when every frame is cheap: many calls per tick.
    void idleFor(int milliseconds) {
        for (int i = 0; i < milliseconds; ++i) {
            ++fakeTick;
            onIdle();
            onIdle();
        }
    }
    // A player's keys: each pressed and released on a later turn of the loop.
    void tap(std::initializer_list<int> keys) {
        for (int key : keys) {
            noteLoopTurn();
            if (key > 255) {
                onSpecialDown(key - 256, 0, 0);
                onSpecialUp(key - 256, 0, 0);
            } else {
                onKeyDown((unsigned char)key, 0, 0);
                onKeyUp((unsigned char)key, 0, 0);
            }
        }
    }
    static Shown shown() { return {gameState, level, helpShown}; }

    struct OwnRun {
        vortimbal::Run run;
        OwnRun() { run.swapWithPlayed(); }
        ~OwnRun() { run.swapWithPlayed(); }
    } ownRun;
    RecordingWorld world;
    ScopedWorld usingWorld{world};
};

constexpr int up = 256 + GLUT_KEY_UP, down = 256 + GLUT_KEY_DOWN, enter = 13, escape = 27;

}  // namespace

TEST_F(Shell, HeldKeysCountOnceAndFireAndLampKeysActInPlay) {
    gameState = Playing;
    onKeyDown(' ', 0, 0);
    onKeyDown(' ', 0, 0);
    onKeyUp(' ', 0, 0);
    onKeyDown('z', 0, 0);
    tap({'i', ' ', '1', '2', 'x'});
    onKeyDown('z', 0, 0);  // the system repeating the held 'z' after other keys
    onKeyUp('z', 0, 0);
    noteLoopTurn();
    onKeyDown(' ', 0, 0);  // a quick double tap read late: the second in one turn
    noteLoopTurn();
    for (int direction : {-1, 1, -1}) {
        (direction > 0 ? onKeyDown : onKeyUp)(' ', 0, 0);
    }
    EXPECT_EQ(world.commands,
              (Commands{"playerFire on", "playerFire off", "playerFire on", "playerFire on",
                        "playerFire off", "toggleLight0", "toggleLight1", "playerFire on",
                        "playerFire off", "playerFire on", "playerFire off", "playerFire on",
                        "playerFire off"}));
    EXPECT_EQ(currentNotice(), "lamp 2 on");
    tap({'m'});
    EXPECT_TRUE(soundPlayer.isMuted());
    EXPECT_EQ(currentNotice(), "sound off");
    tap({'m'});
    EXPECT_FALSE(soundPlayer.isMuted());
    EXPECT_EQ(currentNotice(), "sound on - no sound device") << "none was found";
}

// 's' and 'd' are left out: they slide the camera only until a flag key is first used.
// 's' and 'd' are left out: they slide the camera only until a flag key is first used.
TEST_F(Shell, EachCameraKeyMovesTheFreeCameraItsOwnWay) {
    gameState = Playing;
    Controller* target = camera.getTarget();
    const auto state = [] {
        return std::tie(camera.position, camera.rotation, camera.velocity, camera.spin,
                        camera.smoothPosition, camera.smoothRotation, camera.anchor);
    };
    const auto kept =
        std::tuple<Vector3, Vector3, Vector3, Vector3, Vector3, Vector3, Vector3>(state());
    camera.setTarget(nullptr);
    std::set<std::vector<float>> effects;
    for (char key : std::string(" ikjlyhqa")) {  // a key that is not one of them first
        state() = kept;
        camera.setMode(Free);
        onKeyDown((unsigned char)key, 0, 0);
        for (int i = 0; i < 5; ++i) {
            camera.update();
        }
        onKeyUp((unsigned char)key, 0, 0);
        const Vector3 &p = camera.position, &r = camera.rotation;
        effects.insert({p.x, p.y, p.z, r.x, r.y, r.z});
    }
    state() = kept;
    camera.setTarget(target);
    EXPECT_EQ(effects.size(), 9u);
}

TEST_F(Shell, TheTitleLeadsToHelpNewGamesAndLevelsOnRelease) {
    tap({escape});
    EXPECT_EQ(shown(), Shown(Title, 0, 0)) << "nothing to resume before the first game";
    tap({down, down, down, down, down});
    EXPECT_EQ(titleSelection, QuitItem) << "the cursor stops at the last item";
    tap({up, up, up, up, up, down, ' '});
    EXPECT_EQ(shown(), Shown(Title, 0, 1)) << "Help, chosen";
    tap({down, escape, up});
    EXPECT_EQ(shown(), Shown(Title, 0, 0)) << "Escape closes the page, the menu stayed put";
    level = 3;
    world.good = 40;
    world.commands.clear();
    struct : GameListener {
        void titleChoice() override { ++choices; }
        int choices = 0;
    } listener;
    gameListener = &listener;
    onKeyDown(enter, 0, 0);
    EXPECT_EQ(shown(), Shown(Title, 3, 0)) << "Enter acts on release";
    onKeyUp(enter, 0, 0);
    gameListener = nullptr;
    EXPECT_EQ(listener.choices, 1) << "the choice is heard";
    EXPECT_EQ(shown(), Shown(Playing, 1, 0)) << "a new game starts at level 1";
    EXPECT_EQ(world.commands, (Commands{"removeBadGuys", "addFigures 10 bad", "addFigures 11 good",
                                        "resetPlayer"}));
    EXPECT_FLOAT_EQ(world.lastSpeedFactor, 1.0f);
    gameState = LevelCleared;
    onKeyDown(' ', 0, 0);
    EXPECT_EQ(level, 1) << "fire on a cleared level acts on release";
    onKeyUp(' ', 0, 0);
    EXPECT_EQ(shown(), Shown(Playing, 2, 0));
    EXPECT_EQ(world.badGuys, 25);
    EXPECT_FLOAT_EQ(world.lastSpeedFactor, 1.05f);

    // Paused, the title offers "Resume" first and chosen; "New Game" still works.
    world.commands.clear();
    tap({escape});
    EXPECT_EQ(selectedTitleItem(), ResumeItem);
    tap({' ', escape, down, ' '});
    EXPECT_EQ(shown(), Shown(Playing, 1, 0)) << "resumed at level 2, then a new game";
    EXPECT_EQ(std::count(world.commands.begin(), world.commands.end(), "removeBadGuys"), 1);
    gameState = GameOver;
    tap({enter, escape});
    EXPECT_EQ(shown(), Shown(Title, 1, 0)) << "a finished game cannot be resumed";
    EXPECT_EQ(selectedTitleItem(), NewGameItem);
    EXPECT_EQ(summaryLine().substr(0, 8), "level 1,") << "the level the game reached";
}

TEST_F(Shell, MenuCommandsSetTheCameraTheSwitchesAndTheWindow) {
    const std::vector<std::pair<int, std::tuple<int, float, int, int, int, int>>> steps = {
        {9, {Free, 10, 0, 1, 1, 1}},      {12, {Orbital1, 10, 0, 1, 1, 1}},
        {3, {Orbital1, 30, 0, 1, 1, 1}},  {6, {Orbital1, 30, 1, 1, 1, 1}},
        {14, {Orbital1, 30, 1, 0, 1, 1}}, {8, {Orbital1, 30, 1, 0, 0, 1}},
        {15, {Orbital1, 30, 1, 0, 0, 0}}};
    camera.setDistance(10);
    for (const auto& [id, expected] : steps) {
        onMenu(id);
        EXPECT_EQ(std::make_tuple(camera.getMode(), camera.getDistance(), showBoundingCubes,
                                  showSurfaces, useClipping, useOctrees),
                  expected)
            << "menu " << id;
    }
    EXPECT_EQ(currentNotice(), "octrees off") << "the menu's labels do not say it";
    // ...but the menu does, the next time it opens.
    EXPECT_EQ(std::make_tuple(menuLabel(15), menuLabel(12), menuLabel(11), menuLabel(3)),
              std::make_tuple("Do [Not] Use Octrees: off", "* Orbital 1", "Follow", "* Far"));
    stepsTaken += 40;
    EXPECT_EQ(currentNotice(), "") << "shown for two seconds";
    onMenu(16);
    EXPECT_EQ(world.commands, (Commands{"addFigures 50 bad"}));

    windowWidth = 800;
    windowHeight = 600;
    onMenu(5);
    EXPECT_TRUE(glrec::state().fullScreen);
    onMenu(5);
    EXPECT_EQ(glrec::named("glutReshapeWindow").back().args, (std::vector<double>{800, 600}));
    mainWindow = 1;
    onMenu(4);
    EXPECT_TRUE(glrec::state().gameMode);
    EXPECT_EQ(inGameMode, 1);
    EXPECT_EQ(glrec::count("glutDisplayFunc"), 1) << "the new window has the callbacks";
    std::tie(gameState, level) = std::make_tuple(Playing, 1);
    tap({escape});
    EXPECT_FALSE(glrec::state().gameMode) << "Escape in play leaves game mode";
    EXPECT_EQ(glrec::named("glutSetWindow").back().args[0], 1) << "back to the game's window";
    glrec::reset();
    glrec::state().gameModeFails = true;
    onMenu(4);
    EXPECT_EQ(inGameMode, 0) << "a display that cannot switch modes keeps the window";
    EXPECT_EQ(glrec::count("glutDisplayFunc"), 0);
    mainWindow = 0;
}

TEST_F(Shell, TheClockStepsEveryFiftyMillisecondsAndDropsABacklog) {
    gameState = Playing;
    idleFor(1000);
    EXPECT_EQ(world.steps, 19) << "the 20th is due once more than 50 ms have passed";
    EXPECT_GT(glrec::count("glutPostRedisplay"), 1500);
    onMenuStatus(GLUT_MENU_IN_USE, 0, 0);
    idleFor(200);
    EXPECT_EQ(world.steps, 19) << "play waits while a pop-up menu is open";
    onMenuStatus(GLUT_MENU_NOT_IN_USE, 0, 0);
    // Behind: no frame until a second has passed, then the backlog is dropped.
    glrec::reset();
    fakeTick += 999;
    for (int i = 0; i < 19; ++i) {
        onIdle();
    }
    EXPECT_EQ(glrec::count("glutPostRedisplay"), 0);
    fakeTick += 2;
    onIdle();
    EXPECT_EQ(world.steps, 39);
    EXPECT_EQ(glrec::count("glutPostRedisplay"), 1);
    EXPECT_DOUBLE_EQ(simulationTime, currentTimeMs());

    for (int state : {Title, LevelCleared, GameOver}) {
        gameState = state;
        idleFor(200);
    }
    EXPECT_EQ(world.steps, 39) << "only play steps the world";

    fakeTick = 0xffffffffu - 500;
    setTickSource(readFakeTick, [](double) {});
    simulationTime = lastRedisplayTime = currentTimeMs();
    gameState = Playing;
    idleFor(1000);
    EXPECT_EQ(world.steps, 39 + 19) << "it steps on across the wrap of the tick";

    // Capped, frames keep to their deadlines even on a whole-millisecond clock.
    for (int cap : {60, 30}) {
        maxFramesPerSecond = cap;
        glrec::reset();
        idleFor(1000);
        EXPECT_EQ(glrec::count("glutPostRedisplay"), cap);
    }
    // In game mode the ordinary window is covered by the game's own.
    std::tie(inGameMode, mainWindow) = std::make_tuple(1, 1);
    glutSetWindow(1);
    onWindowStatus(GLUT_FULLY_COVERED);
    EXPECT_EQ(gameState, Playing);
    std::tie(inGameMode, mainWindow) = std::make_tuple(0, 0);
    // Unseen, no frame is drawn until the window shows.
    maxFramesPerSecond = 1000;
    glrec::reset();
    idleFor(100);
    EXPECT_EQ(glrec::count("glutPostRedisplay"), 100);
    onWindowStatus(GLUT_HIDDEN);
    EXPECT_EQ(gameState, Title) << "a game nobody sees is paused";
    fakeTick += 5;
    onIdle();
    EXPECT_EQ(glrec::count("glutPostRedisplay"), 100);
    onWindowStatus(GLUT_PARTIALLY_RETAINED);
    onIdle();
    EXPECT_EQ(glrec::count("glutPostRedisplay"), 101);
    EXPECT_EQ(gameState, Title) << "and stays paused when it shows again";
}

TEST(CommandLine, TakesItsOwnOptionsAndLeavesTheRestToGlut) {
    // "REPLAY" stands for a file holding `replay`: from another version, cut short,
    // garbage or out of order, each is refused.
    const std::string file = ::testing::TempDir() + "replay_" + std::to_string(getpid());
    const struct {
        std::vector<std::string> args;
        int status;
        int cap;
        std::vector<std::string> left;
        std::string printed;
        const char* replay;
    } cases[] = {
        {{"-display", ":1"}, keepRunning, 60, {"-display", ":1"}, "", ""},
        {{"--max-fps", "30", "-gldebug"}, keepRunning, 30, {"-gldebug"}, "", ""},
        {{"-iconic", "--max-fps=0"}, keepRunning, 0, {"-iconic"}, "", ""},
        {{"-iconic", "--help"}, 0, 0, {}, "  mouse  left button  turn - fire\n", ""},
        {{"--version"}, 0, 0, {}, "Vortimbal 3 version 3.", ""},
        {{"--max-fps"}, 2, 0, {}, "", ""},
        {{"--max-fps", "-1"}, 2, 0, {}, "", ""},
        {{"--max-fps=12x"}, 2, 0, {}, "", ""},
        {{"--max-fps", "99999999999999999999"}, 2, 0, {}, "", ""},
        {{"--fast"}, 2, 0, {}, "", ""},
        {{"--replay", "/no/such/replay"}, 1, 0, {}, "", ""},
        {{"--replay", "REPLAY"}, 1, 0, {}, "", ""},
        {{"--replay", "REPLAY"}, 1, 0, {}, "", "vortimbal3 replay 5\nend 5\n"},
        {{"--replay", "REPLAY"}, 1, 0, {}, "", "vortimbal3 replay 1\n3 key 32\n"},
        {{"--replay", "REPLAY"}, 1, 0, {}, "", "vortimbal3 replay 1\n3 jump 32 1\nend 4\n"},
        {{"--replay", "REPLAY"},
         1,
         0,
         {},
         "",
         "vortimbal3 replay 1\n9 key 32 1\n3 key 32 -1\nend 10\n"},
        {{"--replay", "REPLAY"}, 1, 0, {}, "", "vortimbal3 replay 1\nend 4\n7 key 32 1\n"},
        {{"--record", "REPLAY", "--no-such-option"}, 2, 0, {}, "", "a recorded game\n"},
        {{"--difficulty", "expert"}, 2, 0, {}, "", ""},
        {{"--replay", "REPLAY"}, 1, 0, {}, "", "vortimbal3 replay 2\ndifficulty expert\nend 4\n"},
        {{"--verify", "REPLAY"},
         2,
         0,
         {},
         "",
         "vortimbal3 replay 2\nend 4 level 1, score 05, 0 citizens and 0 bad guys left\n"},
        {{"--verify", "/no/such/replay"}, 2, 0, {}, "", ""},
        {{"--verify", "REPLAY", "--replay", "REPLAY"}, 2, 0, {}, "", "a replay\n"},
        {{"foo"}, 2, 0, {}, "", ""},
        {{"-x"}, 2, 0, {}, "", ""},
        {{"--fullscreen", "--windowed"}, 2, 0, {}, "", ""},
        {{"--help"},
         0,
         0,
         {},
         "[--difficulty NAME] [--max-fps N] [--mute] [--fullscreen | --windowed]",
         ""},
        {{"--fullscreen", "--mute", "--max-fps", "30"}, keepRunning, 30, {}, "", ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> strings = c.args;
        strings.insert(strings.begin(), "vortimbal3");
        std::replace(strings.begin(), strings.end(), std::string("REPLAY"), file);
        std::ofstream(file) << c.replay;
        std::vector<char*> argv;
        for (std::string& arg : strings) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        int argc = int(strings.size());
        std::ostringstream out, errors;
        EXPECT_EQ(takeOptions(argc, argv.data(), out, errors), c.status) << c.args[0] << c.replay;
        EXPECT_EQ(errors.str().empty(), c.status < 1) << c.args[0];
        EXPECT_NE(out.str().find(c.printed), std::string::npos) << out.str();
        EXPECT_FALSE(replaying());
        std::ostringstream left;
        left << std::ifstream(file).rdbuf();
        EXPECT_EQ(left.str(), c.replay) << "no file is touched before every option is read";
        if (c.status == keepRunning) {
            EXPECT_EQ(maxFramesPerSecond, c.cap);
            EXPECT_EQ(std::vector<std::string>(argv.begin() + 1, argv.begin() + argc), c.left);
            EXPECT_EQ(argv[argc], nullptr);
        }
    }
    std::remove(file.c_str());
    applySettings();  // as a change on the Options page does
    EXPECT_EQ(maxFramesPerSecond, 30);
    maxFramesPerSecond = 0;
    EXPECT_TRUE(soundPlayer.isMuted() && startFullScreen) << "for this run";
    std::tie(mutedForRun, frameCapForRun) = std::make_tuple(false, -1);
    std::tie(startFullScreen, settings.muted) = std::make_tuple(false, false);
    soundPlayer.setMuted(false);
}

// A key taken from another action moves that action to the old key, and the
// page says so: the player did not touch it.
TEST(OptionsPage, AKeySwapNamesTheActionThatMoved) {
    openOptionsPage();
    for (int row = 0; row < 14; ++row) {  // down the settings to "walk forward"
        optionsKey(specialKey(GLUT_KEY_DOWN), 1);
    }
    optionsKey(13, 1);
    EXPECT_EQ(optionsKey('i', 1), SettingsChange::Keys);
    EXPECT_EQ(currentNotice(), "camera forward now on up");
    std::tie(settings, helpShown) = std::make_tuple(Settings(), MenuPage);
}

// A recording keeps its difficulty, and its replay plays at it whatever the
// settings or the command line ask; replays from before difficulties were normal.
// A replay recorded before the portable maths plays with the system's, so it
// ends as it did; one recorded since with the portable maths, on any system.
TEST(CommandLine, AReplayPlaysAtTheDifficultyAndWithTheMathsItWasRecordedWith) {
    const std::string file = ::testing::TempDir() + "difficulty_" + std::to_string(getpid());
    const std::string again = file + ".again";
    const auto run = [](std::vector<std::string> args) {
        args.insert(args.begin(), "vortimbal3");
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        int argc = int(args.size());
        std::ostringstream out, errors;
        return takeOptions(argc, argv.data(), out, errors);
    };
    const auto head = [](const std::string& name) {
        std::ifstream recorded(name);
        std::string header, difficulty;
        std::getline(recorded, header);
        std::getline(recorded, difficulty);
        return header + '\n' + difficulty;
    };
    settings.difficulty = Difficulty::Easy;
    ASSERT_EQ(run({"--difficulty", "hard", "--record", file}), keepRunning);
    endRecording();
    EXPECT_EQ(head(file), "vortimbal3 replay 4\ndifficulty hard for this run");
    ASSERT_EQ(run({"--replay", file}), keepRunning);
    EXPECT_EQ(chosenDifficulty, Difficulty::Hard) << "not the settings' easy";
    EXPECT_EQ(rulesMaths, Maths::Portable);
    std::ofstream(file) << "vortimbal3 replay 2\nend 3\n";
    ASSERT_EQ(run({"--difficulty", "hard", "--replay", file, "--record", again}), keepRunning);
    endRecording();
    EXPECT_EQ(chosenDifficulty, Difficulty::Normal);
    EXPECT_EQ(rulesMaths, Maths::System);
    EXPECT_EQ(head(again), "vortimbal3 replay 2\ndifficulty normal") << "played on the old maths";
    {
        vortimbal::Run watched;
        watched.swapWithPlayed();
        EXPECT_EQ(rulesMaths, Maths::Portable) << "a replay watched meanwhile brings its own";
        watched.swapWithPlayed();
        EXPECT_EQ(rulesMaths, Maths::System) << "and leaves the run's as it was";
    }
    std::ofstream(file) << "garbage";
    std::ostringstream refused;
    EXPECT_FALSE(startReplay(file, refused)) << "and the run is no replay any more";
    std::remove(file.c_str());
    std::remove(again.c_str());
    settings.difficulty = chosenDifficulty = Difficulty::Normal;
    rulesMaths = Maths::Portable;
}

// Under a cap of 60, one frame late by a few milliseconds made the next
// second's window hold 61 frames, and the readout said so.
TEST_F(Shell, TheFrameRateReadoutCountsFramesOverTheTimeTheyTook) {
    const double start = 1e9;  // past whatever other tests counted
    for (int k = 0; k <= 180; ++k) {
        countFrame(start + std::floor(k * 1000.0 / 60) + (k == 60 ? 4 : 0));
        if (k > 60) {
            EXPECT_EQ(frameRateShown(), 60) << "after frame " << k;
        }
    }
}

TEST_F(Shell, TheWorldsCountsEndLevelsAndGamesAndErrorsAreReported) {
    const struct {
        int badGuys, good, throws;
        const char* error;
        int state;
        const char* replay;  // the game being a replay of this
    } steps[] = {{0, 51, 0, "", LevelCleared, nullptr},
                 {3, 1, 0, "", GameOver, nullptr},
                 {0, 51, 1, "ERROR: Index out of bounds\n", Playing, nullptr},
                 {0, 51, 0, "", LevelCleared, nullptr},
                 {3, 1, 0, "", GameOver, "vortimbal3 replay 1\nend 100000\n"}};
    const std::string file = ::testing::TempDir() + "replay_" + std::to_string(getpid());
    const std::string kept = ::testing::TempDir() + "kept_" + std::to_string(getpid());
    std::ostringstream said;
    struct : GameListener {
        void levelCleared() override { heard += "cleared "; }
        void gameOver() override { heard += "over "; }
        std::string heard;
    } listener;
    gameListener = &listener;
    world.points = 300;
    for (const auto& step : steps) {
        gameState = Playing;
        std::tie(world.badGuys, world.good, world.throwOnUpdate) =
            std::make_tuple(step.badGuys, step.good, step.throws);
        std::ofstream(file) << (step.replay ? step.replay : "");
        EXPECT_EQ(startReplay(file, said), step.replay != nullptr);  // none: stops the last
        const bool lost = step.state == GameOver && !step.replay;
        if (lost) {
            replayFolder = ReplayFolder(kept);
            beginRun();
            stepsTaken += maxReplaySteps;  // after more than a day on the title
            startGameRecording();
            // Its replay opens once the game's first step is over.
            world.good = 51;
            idleFor(51);
            world.good = step.good;
        }
        const long lostIn = stepsTaken;
        ::testing::internal::CaptureStderr();
        idleFor(51);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), step.error);
        EXPECT_EQ(gameState, step.state) << step.badGuys << " bad, " << step.good << " good";
        EXPECT_EQ(highScores.newest(), lost ? 0 : -1) << "a lost game is kept, but not its replay";
        // Its replay too, named by the table, ending after the step it was lost in.
        std::string text;
        Replay replay;
        if (lost && readReplayText(replayFolder.pathOf(highScores.entries()[0].replay), text)) {
            EXPECT_TRUE(parseReplay(text, replay)) << text;
        }
        EXPECT_TRUE(!lost || (replay.endStep == lostIn + 1 && replay.claim.score == 300)) << text;
        stepsTaken -= lost ? maxReplaySteps : 0;  // the replay below ends at its step
        highScores.load("", std::cout);
    }
    std::remove(file.c_str());
    std::filesystem::remove_all(kept);
    replayFolder = ReplayFolder();
    EXPECT_FALSE(startReplay(file, said));
    gameListener = nullptr;
    EXPECT_EQ(listener.heard, "cleared over cleared over ") << "each end told once";
}

TEST_F(Shell, FramesLookThroughTheCameraAndSurviveAZeroHeight) {
    onReshape(800, 400);
    onReshape(800, 0);  // a minimised window keeps the last shape
    EXPECT_EQ(glrec::named("gluPerspective").back().args[1], 2);
    onReshape(640, 480);
    glrec::reset();
    std::tie(showSurfaces, showBoundingCubes, framesBeforeWarmUp) = std::make_tuple(1, 0, 0);
    onDisplay();
    gameState = Playing;
    onDisplay();
    EXPECT_EQ(world.drawnWith, (std::vector<std::pair<int, int>>{{1, 0}, {0, 1}, {1, 0}}))
        << "the warm-up frame draws the world once more; the title shows wire cubes";
    EXPECT_EQ(std::make_pair(showSurfaces, showBoundingCubes), std::make_pair(1, 0));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_DEPTH_TEST))
        << "the overlay switches lighting and the depth test back on";
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(glrec::calls().back().name, "glutSwapBuffers");
}

// How text looks is checked on real pixels; these are the characters the game writes.
TEST_F(Shell, TheFontHasEveryCharacterTheGameWrites) {
    for (char c :
         std::string("-.,%_~/:0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) {
        EXPECT_TRUE(hasGlyph(c)) << c;
    }
    for (Key key = 0; key < specialKey(256); ++key) {
        for (char c : bindable(key) ? keyLabel(key) : "") {
            EXPECT_TRUE(c == ' ' || hasGlyph(c)) << keyName(key);
        }
    }
}

// Fire on Up and camera up on Enter: in the menus both keep their menu meaning,
// the page will not take Enter, and the game replays the same with other keys.
TEST_F(Shell, MenuKeysHoldWhateverIsBoundAndAReplayNeedsNoneOfThePlayersKeys) {
    const std::string file = ::testing::TempDir() + "meant_" + std::to_string(getpid());
    const auto onTitle = [] {
        std::tie(gameState, helpShown, titleSelection) = std::make_tuple(Title, 0, NewGameItem);
    };
    // In a child: a game gone astray may choose Quit, whose 0 must not pass.
    const auto recordThenReplay = [&] {
        std::tie(settings.keys[0], settings.keys[12]) = std::make_tuple(noKey, enter);
        startRecording(file, std::cerr);
        onTitle();
        tap({'7', down, down, down, down, up, down, enter});  // a key meaning nothing, Options
        settings.keys[4] = 'f';                               // fire, on the page
        tap({down, down, 'f'});                               // sound
        settings.keys[4] = up;
        tap({escape, up, up, up, up, enter});
        ++stepsTaken;
        endRecording();
        const Commands recorded = world.commands;
        std::ostringstream text;
        text << std::ifstream(file).rdbuf();
        const bool played = gameState == Playing && settings.muted &&
                            text.str().find(" key 55 ") == std::string::npos;
        settings = Settings();
        settings.keys[4] = 'x';
        world.commands.clear();
        startReplay(file, std::cerr);
        onTitle();
        feedReplay(stepsTaken - 1);
        const bool replayed = world.commands == recorded && gameState == Playing && settings.muted;
        std::exit(played && replayed ? 3 : 4);
    };
    EXPECT_EXIT(recordThenReplay(), testing::ExitedWithCode(3), "");
    std::remove(file.c_str());

    settings = Settings();
    gameState = Title;
    openOptionsPage();
    tap({down, down, down, down, down, down, down, down, down, down, down, down, down, down});
    tap({enter, enter, ',', escape});  // "walk forward", Enter refused, the comma taken
    EXPECT_EQ(settings.keys[0], ',') << "Enter was refused, the comma taken";
    settings = Settings();
    applySettings();
}

// A replay's pace is the watcher's: twice and four times as many steps a
// second, none while paused, and End runs them unseen to the replay's last.
TEST_F(Shell, AReplayPausesGoesFasterAndJumpsToItsEnd) {
    const std::string file = ::testing::TempDir() + "pace_" + std::to_string(getpid());
    std::ofstream(file) << "vortimbal3 replay 2\nend 5000\n";
    ASSERT_TRUE(startReplay(file, std::cerr));
    std::remove(file.c_str());
    restartClock();
    const auto stepsIn = [this](int ms) {
        const long before = stepsTaken;
        idleFor(ms);
        return stepsTaken - before;
    };
    const int right = 256 + GLUT_KEY_RIGHT, left = 256 + GLUT_KEY_LEFT;
    std::vector<long> steps{stepsIn(1000)};
    tap({right});
    steps.push_back(stepsIn(1000));
    tap({right, right});
    steps.push_back(stepsIn(1000));
    tap({' '});
    steps.push_back(stepsIn(1000));
    tap({' ', left});
    steps.push_back(stepsIn(1000));
    const long want[] = {20, 40, 80, 0, 40};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_NEAR(steps[i], want[i], want[i] / 20.0) << "in second " << i;
    }
    EXPECT_EXIT(
        {
            tap({256 + GLUT_KEY_END});
            idleFor(100);
        },
        testing::ExitedWithCode(0), "");
    startReplay("", std::cerr);
}

// On the Replays page right keeps the chosen replay for good and left lets it go.
TEST_F(Shell, TheReplaysPageKeepsAReplayForGood) {
    const std::string folder = ::testing::TempDir() + "keeping_" + std::to_string(getpid());
    const std::string name = "2026-12-07-120000-1.replay";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + '/' + name) << "vortimbal3 replay 2\n";
    const ReplayFolder before = replayFolder;
    replayFolder = ReplayFolder(folder);
    gameState = Title;
    openReplaysPage();
    tap({256 + GLUT_KEY_RIGHT});
    const bool kept = replayFolder.isKept(name);
    tap({256 + GLUT_KEY_LEFT});
    EXPECT_TRUE(kept && !replayFolder.isKept(name));
    replayFolder = before;
    helpShown = 0;
    std::filesystem::remove_all(folder);
}

// A pad in play: the stick walks as far as it is pushed, A fires, and pulling
// the pad out pauses the game.
TEST_F(Shell, APadWalksFiresAndPausesWhenPulledOut) {
    std::ostringstream said;
    if (!gamepads.start("", said)) {
        GTEST_SKIP() << "no pad support here: " << said.str();
    }
    gameState = Playing;
    ASSERT_TRUE(gamepads.attachVirtualPad());
    pollPads();
    gamepads.setVirtualAxis(SDL_CONTROLLER_AXIS_LEFTY, -32767);
    pollPads();
    gamepads.setVirtualButton(SDL_CONTROLLER_BUTTON_A, true);
    pollPads();
    gamepads.detachVirtualPad();
    pollPads();
    gamepads.stop();
    EXPECT_EQ(world.commands, (Commands{"steerAnalogue 1000 0", "playerFire on", "playerFire off",
                                        "steerAnalogue 0 0"}));
    EXPECT_EQ(gameState, Title) << "a pad pulled out in play pauses the game";
}
