// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <tuple>
#include <vector>

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
    // A script in place of the game's --verify.
    std::string checker(const std::string& work) {
        const std::string script = folder + "/checker";
        std::ofstream(script) << "#!/bin/sh\n" << work << '\n';
        chmod(script.c_str(), 0700);
        return script;
    }
    Score claiming(int points) { return {points, 3, "2026-12-07", Difficulty::Normal, name}; }
    // What is found of `score` once known, polled as the game's loop does.
    ReplayCheck settled(ReplayChecks& checks, const Score& score) {
        for (int turn = 0; turn < 500 && checks.of(score, folder) == ReplayCheck::Checking;
             ++turn) {
            checks.poll();
            std::this_thread::sleep_for(20ms);
        }
        return checks.of(score, folder);
    }
    // The checkers started so far, as each wrote its process id.
    std::vector<pid_t> started(std::size_t atLeast) {
        std::vector<pid_t> pids;
        for (int turn = 0; turn < 500 && pids.size() < atLeast; ++turn) {
            std::this_thread::sleep_for(10ms);
            std::ifstream in(folder + "/pids");
            pids.assign(std::istream_iterator<pid_t>(in), {});
        }
        return pids;
    }
    // Not even a zombie: a killed game's checks pass to a parent that may take a while to reap
    // them.
    static bool running(pid_t pid) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        return std::getline(stat, line) && line.substr(line.rfind(')') + 2, 1) != "Z";
    }

    std::string folder = ::testing::TempDir() + "checks_" + std::to_string(getpid());
    std::string name = "2000-01-01-120000-1.replay";
};

}  // namespace

// Rows naming one replay share its check, but each is judged by its own score.
TEST_F(ReplayChecksFolder, EachRowIsJudgedByItsOwnScore) {
    const struct {
        int above, below;
        ReplayCheck aboveFound, belowFound;
    } rows[] = {{9990, 2420, ReplayCheck::Fails, ReplayCheck::Holds},
                {2420, 2000, ReplayCheck::Holds, ReplayCheck::Fails}};
    for (const auto& row : rows) {
        ReplayChecks checks;
        checks.setChecker(checker("exit 0"));
        checks.of(claiming(row.above), folder);  // the page asks for every row before any is known
        EXPECT_EQ(settled(checks, claiming(row.below)), row.belowFound) << row.below;
        EXPECT_EQ(settled(checks, claiming(row.above)), row.aboveFound) << row.above;
    }
}

// A check stops at its time limit, neither bearing the score out nor failing it,
// and none outlives the game, whether it ends or is killed.
TEST_F(ReplayChecksFolder, ChecksEndInTimeAndWithTheGame) {
    const std::string slow = checker("echo $$ >>" + folder + "/pids; exec sleep 60");
    ReplayChecks checks;
    checks.setChecker(slow, 200ms);
    EXPECT_EQ(settled(checks, claiming(2420)), ReplayCheck::TimedOut);
    for (const bool killed : {false, true}) {
        const pid_t game = killed ? fork() : 0;  // one killed, or this one ending through endGame
        if (game > 0) {
            waitpid(game, nullptr, 0);
            continue;
        }
        ReplayChecks ending;
        ending.setChecker(slow);
        ending.of(claiming(2420), folder);
        started(killed ? 3 : 2);
        killed ? _exit(0) : ending.stop();
    }
    const std::vector<pid_t> pids = started(3);
    ASSERT_EQ(pids.size(), 3u);
    std::this_thread::sleep_for(200ms);  // for the signal of the killed game's end
    for (const pid_t pid : pids) {
        EXPECT_FALSE(running(pid)) << "a check outlived its game";
    }
}

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
