// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "app/clean_exit.h"
#include "app/frame_clock.h"
#include "app/keyboard.h"
#include "app/menus.h"
#include "app/recording.h"
#include "app/replay.h"
#include "game/figure.h"
#include "game/game_state.h"
#include "game/world.h"
#include "gl_recorder.h"
#include "model_folder.h"
#include "models/face.h"
#include "models/texture.h"
#include "recording_world.h"
#include "screens/stroke_font.h"
#include "screens/title_screen.h"

using namespace vortimbal;

namespace {

// A child that counts its steps; one that leaves its parent in its first,
// and any other in its second, which throws.
struct Child : SceneObject {
    using SceneObject::SceneObject;
    void update() override {
        if (++steps > 1) {
            throw new Exception("Index out of bounds");
        }
        if (leaves) {
            getParent()->removeChild(this);
        }
    }
    int steps = 0;
    bool leaves = false;
};

}  // namespace

TEST(PlayFaults, BadGuysHuntOthersAndRisingFiguresNeitherCountAgainNorShoot) {
    ModelFolder models;
    World world;
    world.addFigures(2, false);
    world.addFigures(30, true);
    auto figure = [&](int i) { return static_cast<Figure*>(world.getChildren().get(i)); };
    for (bool shooterRising : {false, true}) {
        world.removeBadGuys();  // zeroes the score
        for (int i = 0; i < 32; ++i) {
            EXPECT_NE(figure(i)->getTarget(), static_cast<Controller*>(figure(i)));
            figure(i)->reset(1);  // not rising, not bad
            figure(i)->position.x = 100;
        }
        figure(0)->position = Vector3();
        figure(1)->position = figure(0)->forward() * 10;
        world.update();  // builds the octree the shots look through
        if (shooterRising) {
            figure(0)->hit();
        }
        world.fire(figure(0));
        world.fire(figure(0));
        EXPECT_EQ(world.score(), shooterRising ? 0 : -10) << "shooter rising " << shooterRising;
    }
}

TEST(PlayFaults, KeysEndOnTheTitleAndGameModeSetsUpItsWindowLikeTheGameWindow) {
    RecordingWorld recording;
    ScopedWorld using_(recording);
    // Keys pressed when positive, released when negative.
    for (const auto& [state, keys] : std::vector<std::pair<int, std::vector<int>>>{
             {GameOver, {-13, -27}}, {GameOver, {-27, -27}}, {Playing, {-27, 27, -27}}}) {
        gameState = state;
        level = 3;
        noteLoopTurn();  // a repeat read late comes in one turn of the loop
        for (int key : keys) {
            (key > 0 ? onKeyDown : onKeyUp)((unsigned char)std::abs(key), 0, 0);
        }
        EXPECT_EQ(gameState, Title) << "from state " << state;
    }

    Texture texture(VORTIMBAL_SOURCE_DIR "/data/bmp/1.bmp");
    textures[0] = &texture;
    glrec::reset();
    createMenus();
    std::set<double> offered;
    for (const glrec::Call& entry : glrec::named("glutAddMenuEntry")) {
        offered.insert(entry.args[0]);
    }
    EXPECT_EQ(offered.size(), 16u) << "every menu command has its entry";
    onMenu(4);
    textures[0] = nullptr;
    for (const char* call :
         {"glTexImage2D", "glutAttachMenu", "glutIgnoreKeyRepeat", "glutReshapeFunc",
          "glutKeyboardFunc", "glutKeyboardUpFunc", "glutSpecialFunc", "glutSpecialUpFunc",
          "glutIdleFunc", "glutDisplayFunc", "glutWindowStatusFunc", "glutMenuStatusFunc"}) {
        EXPECT_GE(glrec::count(call), 1) << call;
    }
    onMenu(4);
    level = 0;
}

// The sanitized run sees the leak of a new octree and the read of freed memory.
TEST(PlayFaults, StepsListsAndTextLeaveNothingBehind) {
    SceneObject parent(nullptr, nullptr);
    Child leaving(nullptr, &parent);  // removes itself in its step
    auto* last = new Child(nullptr, &parent);
    parent.addChild(&leaving);
    parent.addChild(last);
    leaving.leaves = true;
    useOctrees = 0;
    parent.update();
    useOctrees = 1;
    EXPECT_EQ(last->steps, 1) << "the mover that took the leaver's slot";
    try {
        parent.update();
    } catch (Exception* caught) {
        delete caught;
    }

    List<int> list(1);
    list.add(7);
    list.add(list.at(0));
    EXPECT_EQ(list.get(1), 7);

    currentMaterialId = 7;
    drawText("a", 0, 0, 0.1f, 1, 1, 1);
    EXPECT_EQ(currentMaterialId, -1) << "colour tracking has changed the surface";
}

TEST(PlayFaultsDeathTest, MessagesSurviveAKillAndStopSignalsEndTheGameCleanly) {
    const std::string log = testing::TempDir() + "faults_" + std::to_string(getpid()) + ".log";
    EXPECT_EXIT((std::freopen(log.c_str(), "w", stdout), lineBufferOutput(), std::puts("a message"),
                 std::raise(SIGKILL)),
                testing::KilledBySignal(SIGKILL), "");
    std::stringstream written;
    written << std::ifstream(log).rdbuf();
    EXPECT_EQ(written.str(), "a message\n");
    // Every way out ends the same: with the closing line of the level reached.
    const std::string replay = log + ".replay";
    // The end of a replay that claims to go on for a day comes an hour of steps on.
    std::ofstream(replay) << "vortimbal3 replay 1\nend 1728000\n";
    // A recording the disk cannot take fails the run, however it ends.
    const auto fullDisk = [&] {
        startRecording(replay + ".new", std::cerr);
        const rlimit small{64, 64};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        for (int i = 0; i < 9; ++i) {
            recordInput(InputKind::Pause, 0, 0);
        }
        onMenu(QuitItem);
    };
    const std::pair<std::function<void()>, int> waysOut[] = {
        {[] { onMenu(QuitItem); }, 0},
        {[&] { startReplay(replay, std::cerr), feedReplay(72000); }, 0},
        {[] { onWindowClose(); }, 0},
        {[] { catchStopSignals(), std::raise(SIGINT), onIdle(); }, 0},
        {[] { catchStopSignals(), std::raise(SIGTERM), onIdle(); }, 0},
        {[&] { startReplay(replay, std::cerr), catchStopSignals(), std::raise(SIGTERM), onIdle(); },
         128 + SIGTERM},
        {fullDisk, 1},
    };
    for (const auto& [wayOut, status] : waysOut) {
        EXPECT_EXIT((std::freopen(log.c_str(), "w", stdout), level = 3, stepsTaken = 1, wayOut()),
                    testing::ExitedWithCode(status), "");
        std::stringstream closing;
        closing << std::ifstream(log).rdbuf();
        EXPECT_EQ(closing.str().substr(0, 8), "level 3,");
    }
    std::remove(replay.c_str());
    std::remove((replay + ".new").c_str());
    // A game held up before its loop turns still ends on a second signal.
    EXPECT_EXIT((catchStopSignals(), std::raise(SIGINT), std::raise(SIGTERM)),
                testing::KilledBySignal(SIGTERM), "");
}

TEST(Replays, OutOfRangeOrEndlessOnesAreRefused) {
    const std::string file = testing::TempDir() + "hostile_" + std::to_string(getpid());
    for (const char* text : {"vortimbal3 replay 2\n9 key 32 1\nend 999999999999999\n",
                             "vortimbal3 replay 2\n9223372036854775000 key 32 1\n"
                             "end 9223372036854775807\n",
                             "vortimbal3 replay 2\n0 special 2147483647 1\nend 1\n",
                             "vortimbal3 replay 2\n0 walk 1 2000000000\nend 1\n",
                             "vortimbal3 replay 2\ngame 5\n0 key 32 1\nend 3\n"}) {
        std::ofstream(file) << text;
        std::ostringstream errors;
        EXPECT_FALSE(startReplay(file, errors)) << text;
        EXPECT_FALSE(replaying()) << text;
    }
    std::ostringstream errors;
    EXPECT_FALSE(startRecording("/dev/full", errors)) << "a full disk is told at once";
    // The recorder stops at the most inputs the reader takes, which it takes.
    ASSERT_TRUE(startRecording(file, errors));
    for (std::size_t i = 0; i <= maxReplayInputs; ++i) {
        recordInput(InputKind::Pause, 0, 0);
    }
    EXPECT_TRUE(endRecording());
    EXPECT_TRUE(startReplay(file, errors)) << errors.str();
    startReplay("", errors);
    std::remove(file.c_str());
}
