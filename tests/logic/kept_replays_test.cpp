// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "saves/replay_file.h"
#include "saves/replay_folder.h"
#include "saves/replay_writer.h"

using namespace vortimbal;

namespace {

std::string contents(const std::string& file) {
    std::stringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

std::string scratchFolder(const char* name) {
    const std::string folder = testing::TempDir() + name + std::to_string(getpid());
    std::filesystem::remove_all(folder);
    return folder;
}

}  // namespace

// Each line is on disk as soon as it is played, so a game killed halfway plays
// again to its last input; a game left for a new one ends before the step that
// left it.
TEST(KeptReplays, AGameKilledHalfwayStillReplaysToWhereItWas) {
    const std::string file = scratchFolder("killed_");
    ReplayWriter writer;
    ASSERT_TRUE(
        writer.open(file, "vortimbal3 replay 2\ndifficulty easy\ngame 3\n3 action 4 1\n", true));
    writer.write(5, "action 4 -1");
    writer.write(9, "turn 1500 0");
    const std::string killed = contents(file);  // read while the writer still holds it
    for (const std::string& text : {killed, killed + "12 tu"}) {
        Replay replay;
        ASSERT_TRUE(parseReplay(text, replay)) << text;
        EXPECT_EQ(replay.inputs.size(), 3u);
        EXPECT_EQ(replay.endStep, 9);
        EXPECT_EQ(replay.gameStart, 3);
        EXPECT_EQ(replay.difficulty, Difficulty::Easy);
        EXPECT_FALSE(replay.finished || !replay.claim.line.empty())
            << "cut short, it claims nothing";
    }
    ReplayWriter rival;
    EXPECT_FALSE(rival.open(file, "x\n", true) || errno != EEXIST) << "never over another game";
    writer.write(12, "action 4 1");
    Claim claim{closingLine(2, 450, 31, 9), 2, 450, true, Difficulty::Hard};
    ASSERT_TRUE(writer.closeBefore(12, claimText(claim)));
    Replay left;
    ASSERT_TRUE(parseReplay(contents(file), left)) << contents(file);
    EXPECT_EQ(left.inputs.size(), 3u) << "the step that left the game is taken back";
    EXPECT_TRUE(left.finished && left.endStep == 12);
    EXPECT_EQ(claimText(left.claim), "level 2, score 450, 31 citizens and 9 bad guys left on hard");
    EXPECT_EQ(left.claim.score, 450);
    std::filesystem::remove(file);
}

TEST(KeptReplays, OnlyTheLatestFiveAndThoseTheTableNamesOrThePlayerKeepsStay) {
    const ReplayFolder folder(scratchFolder("kept_") + "/vortimbal3/replays");
    ReplayWriter writer;
    std::set<std::string> made;
    for (std::time_t start :
         {1000000, 1000000, 1000000, 2000000, 3000000, 4000000, 5000000, 6000000}) {
        ASSERT_TRUE(folder.create(writer, "vortimbal3 replay 2\n", start)) << folder.path();
        made.insert(writer.name().substr(writer.name().rfind('/') + 1));
    }
    EXPECT_EQ(made.size(), 8u) << "games started in one second take numbers of their own";
    const std::string oldest = *made.begin(), playing = *std::next(made.begin()),
                      kept = *std::next(made.begin(), 2);
    ASSERT_TRUE(folder.keep(kept, true));
    const std::string foreign = folder.pathOf("notes.replay");
    std::ofstream(foreign) << "mine";
    const std::string fifo = folder.pathOf("1900-01-01-000000-1.replay");
    mkfifo(fifo.c_str(), 0600);  // opened, it would hold the game until something wrote to it
    const int held = open(folder.pathOf(playing).c_str(), O_RDONLY);  // as another game holds it
    flock(held, LOCK_SH);
    folder.prune({oldest, ""});
    close(held);
    std::vector<std::string> left = folder.latestFirst();
    ASSERT_EQ(left.size(), std::size_t(ReplayFolder::lastKept) + 3);
    EXPECT_EQ(left[7], oldest) << "named by the table";
    EXPECT_EQ(left[6], playing) << "still being played";
    EXPECT_EQ(left[5], kept) << "kept by the player";
    const std::vector<std::string> latest(made.rbegin(), std::next(made.rbegin(), 5));
    EXPECT_EQ(latest, std::vector<std::string>(left.begin(), left.begin() + 5));
    EXPECT_EQ(contents(foreign), "mine") << "a file the game did not name is not its to remove";
    EXPECT_TRUE(std::filesystem::is_fifo(fifo)) << "nor one that is no regular file";
    ASSERT_TRUE(folder.keep(kept, false));
    folder.prune({oldest});
    EXPECT_EQ(folder.latestFirst().size(), std::size_t(ReplayFolder::lastKept) + 1)
        << "no longer kept, it goes";
    for (const char* name : {"../2026-12-07-120000-1.replay", "2026-12-07-120000-1.replay.bak",
                             "2026-12-07-12000x-1.replay", ""}) {
        EXPECT_FALSE(ReplayFolder::isReplayName(name)) << name;
    }
    EXPECT_EQ(ReplayFolder::defaultPath(nullptr, "/h"), "/h/.local/share/vortimbal3/replays");
    std::filesystem::remove_all(std::filesystem::path(folder.path()).parent_path().parent_path());
}
