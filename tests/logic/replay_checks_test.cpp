// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "saves/replay_checks.h"
#include "saves/replay_file.h"
#include "saves/replay_folder.h"
#include "screens/replays_page.h"
#include "screens/title_screen.h"

using namespace vortimbal;
using namespace std::chrono_literals;

namespace {

// A folder of the test's own, gone afterwards, holding one replay that claims 2420.
class ReplayChecksFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder);
        write("vortimbal3 replay 2\ndifficulty normal\n3 action 4 1\n");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    void write(const std::string& inputs) {
        std::ofstream(folder + '/' + name)
            << inputs << "end 9 level 3, score 2420, 14 citizens and 63 bad guys left on normal\n";
    }
    Score claiming(int points) { return {points, 3, "2026-12-07", Difficulty::Normal, name}; }

    std::string folder = ::testing::TempDir() + "checks_" + std::to_string(getpid());
    std::string name = "2000-01-01-120000-1.replay";
};

}  // namespace

// Pages read of each replay only what they show, so a long one holds them up no longer.
TEST_F(ReplayChecksFolder, PagesOpenAtOnceWhateverTheReplaysHold) {
    std::string inputs = "vortimbal3 replay 2\ndifficulty normal\n";
    for (std::size_t i = 1; i < maxReplayInputs; ++i) {
        inputs += "3 turn 179999 0\n";
    }
    write(inputs);
    const ReplayFolder kept = replayFolder;
    const int page = helpShown;
    replayFolder = ReplayFolder(folder);
    ReplayChecks checks;
    const auto start = std::chrono::steady_clock::now();
    openReplaysPage();
    const ReplayCheck check = checks.of(claiming(2420), folder);
    const auto took = std::chrono::steady_clock::now() - start;
    replayFolder = kept;
    helpShown = page;
    EXPECT_LT(std::chrono::duration<double>(took).count(), 0.2) << "seconds to open";
    EXPECT_EQ(check, ReplayCheck::Unchecked) << "its claim read all the same";
}

// What a page reads of a replay's ends is what the whole replay says.
TEST_F(ReplayChecksFolder, ItsEndsSayWhatTheWholeReplaySays) {
    const std::string path = folder + '/' + name;
    for (const char* text :
         {"vortimbal3 replay 2\ndifficulty hard\n3 action 4 1\nend 9 level 3, score 2420, 14 "
          "citizens and 63 bad guys left on normal\n",
          "vortimbal3 replay 2\ndifficulty easy\ngame 3\n3 action 4 1\n5 tu",
          "vortimbal3 replay 1\n4 key 32 1\nend 4\n", "vortimbal3 replay 3\nend 4\n"}) {
        std::ofstream(path) << text;
        Replay whole, ends;
        EXPECT_EQ(readReplayEnds(path, ends), readReplay(path, whole)) << text;
        EXPECT_EQ(std::tie(ends.version, ends.difficulty, ends.gameStart, ends.finished),
                  std::tie(whole.version, whole.difficulty, whole.gameStart, whole.finished))
            << text;
        EXPECT_EQ(claimText(ends.claim), claimText(whole.claim)) << text;
    }
}
