// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "saves/high_scores.h"

using namespace vortimbal;

namespace {

// A folder of the test's own, gone afterwards; the table sits two folders down.
class HighScoresFile : public ::testing::Test {
  protected:
    void TearDown() override { std::filesystem::remove_all(folder); }

    void write(const std::string& name, const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(name).parent_path());
        std::ofstream(name, std::ios::binary) << text;
    }
    static std::string contents(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::vector<int> points(const HighScores& table) {
        std::vector<int> all;
        for (const Score& score : table.entries()) {
            all.push_back(score.points);
        }
        return all;
    }

    std::string folder = ::testing::TempDir() + "scores_" + std::to_string(getpid());
    std::string file = folder + "/vortimbal3/deeper/scores";
    std::ostringstream messages;
};

}  // namespace

Score score(int points, int level, const std::string& date,
            Difficulty difficulty = Difficulty::Normal, const std::string& replay = "") {
    return {points, level, date, difficulty, replay};
}

TEST_F(HighScoresFile, TheTenBestSurviveARestartBestFirst) {
    HighScores table, rival;  // two games at once
    table.load(file, messages);
    rival.load(file, messages);
    EXPECT_TRUE(table.savedReplays()) << "with no table yet, the older replays may go";
    EXPECT_EQ(table.add(score(0, 1, "2026-12-06"), messages), -1) << "a game that scored nothing";
    for (int p : {300, -20, 900, 300, 50, 60, 70, 80, 90, 100, 110, 5}) {
        table.add(score(p, 2, "2026-12-06"), messages);
    }
    EXPECT_EQ(table.add(score(1, 1, "2026-12-06"), messages), -1) << "below all ten";
    EXPECT_EQ(table.newest(), -1);
    EXPECT_EQ(rival.add(score(95, 1, "2026-12-06", Difficulty::Easy, "2026-12-06-101010-1.replay"),
                        messages),
              5)
        << "among the other game's";
    const std::string none = "High scores: none kept yet (" + file + ")\n";
    EXPECT_EQ(messages.str(), none + none);
    HighScores restarted;
    restarted.load(file, messages);
    EXPECT_EQ(points(restarted), (std::vector<int>{900, 300, 300, 110, 100, 95, 90, 80, 70, 60}));
    EXPECT_EQ(restarted.entries()[0].level, 2);
    EXPECT_EQ(restarted.entries()[5].difficulty, Difficulty::Easy);
    EXPECT_EQ(restarted.entries()[5].replay, "2026-12-06-101010-1.replay");
    EXPECT_EQ(restarted.add(score(300, 4, today()), messages), 3) << "after the equal ones";
    const std::filesystem::path dir = std::filesystem::path(file).parent_path();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2) << "and its lock";
    EXPECT_EQ(std::filesystem::status(dir).permissions(), std::filesystem::perms::owner_all);
    EXPECT_EQ(HighScores::defaultFile("/x", "/h"), "/x/vortimbal3/scores");
    EXPECT_EQ(HighScores::defaultFile("relative", "/h"), "/h/.local/share/vortimbal3/scores");
}

TEST_F(HighScoresFile, ADamagedFileOrAnUnwritableFolderCostsAMessageNotTheGame) {
    const std::string good = "vortimbal3 high scores 1\n700 3 2026-12-01\n500 2 2026-12-02\n";
    // Well formed, but a byte over the largest table read; its first score is padded.
    const std::size_t padAt = good.find('\n') + 1;
    const std::string big = std::string(good).insert(padAt, 4097 - good.size(), ' ');
    write(file + ".victim", "precious");
    std::filesystem::create_symlink(file + ".victim", file + ".new");  // the old fixed name
    std::string copy = file + ".damaged";
    int copies = 0;
    for (const std::string& text :
         {std::string(), good.substr(0, good.size() - 4), std::string("garbage\n"),
          good + "900 1 2026-12-03\n", good + "400 0 2026-12-03\n", good + "400 1 2026-13-03\n",
          good + "400 1 2026-12-03 x\n", good + "400 1 2026-12-03 hard ../../x.replay\n", big}) {
        write(file, text);
        HighScores table;
        messages.str("");
        table.load(file, messages);
        EXPECT_TRUE(table.entries().empty()) << text.substr(0, 80);
        EXPECT_FALSE(table.savedReplays()) << "it may name any replay, so none may go";
        const std::string said = messages.str();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_EQ(table.add(score(10, 1, "2026-12-06"), messages), 0);
        EXPECT_EQ(contents(copy), text) << "kept aside, no earlier copy replaced";
        EXPECT_NE(table.notice().find(copy.substr(copy.rfind('/') + 1)), std::string::npos);
        copy = file + ".damaged." + std::to_string(++copies);
    }
    EXPECT_EQ(contents(file + ".victim"), "precious");
    for (const std::string& text :
         {std::string(big).erase(padAt, 1),
          std::string("vortimbal3 high scores 1\r\n700 3 2026-12-01\r\n500 2 2026-12-02\r\n")}) {
        write(file, text);
        HighScores kept;
        kept.load(file, messages);
        EXPECT_EQ(points(kept), (std::vector<int>{700, 500}));
        EXPECT_EQ(kept.entries()[1].difficulty, Difficulty::Normal) << "played before difficulties";
    }
    std::filesystem::remove(file);
    mkfifo(file.c_str(), 0600);  // cannot be opened, even by root
    HighScores unreadable;
    unreadable.load(file, messages);
    EXPECT_FALSE(unreadable.savedReplays()) << "it may name any replay, so none may go";
    EXPECT_EQ(unreadable.add(score(10, 1, "2026-12-06"), messages), 0) << "kept for this run";
    EXPECT_TRUE(std::filesystem::is_fifo(file) && !unreadable.notice().empty());

    HighScores unwritable;
    unwritable.load(file + "/under/a/file", messages);
    messages.str("");
    EXPECT_EQ(unwritable.add(score(10, 1, "2026-12-06"), messages), 0) << "kept for this run";
    EXPECT_EQ(messages.str().rfind("High scores: cannot write ", 0), 0u) << messages.str();
}
