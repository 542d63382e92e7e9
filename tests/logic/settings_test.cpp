// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "saves/high_scores.h"
#include "saves/settings.h"

using namespace vortimbal;

// A folder of the test's own, gone afterwards; the file sits one folder down.
class SettingsFileTest : public ::testing::Test {
  protected:
    void TearDown() override { std::filesystem::remove_all(folder); }

    static std::string contents(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::string folder = ::testing::TempDir() + "settings_" + std::to_string(getpid());
    std::string file = folder + "/vortimbal3/settings.ini";
};

TEST_F(SettingsFileTest, EverySettingAndANewerVersionsLinesSurviveASave) {
    std::ostringstream messages;
    SettingsFile older, fresh;
    EXPECT_EQ(older.load(file, messages), Settings()) << "no file yet";
    Settings changed;
    changed.volume = 3;
    changed.frameCap = 0;
    changed.difficulty = Difficulty::Hard;
    changed.muted = changed.fullScreen = changed.showFrameRate = changed.invertTilt = true;
    std::rotate(changed.keys.begin(), changed.keys.begin() + 1, changed.keys.end());
    changed.keys[0] = ';';  // a comment after a blank
    changed.keys[1] = noKey;
    ASSERT_TRUE(older.save(changed, messages));
    std::ofstream(file, std::ios::app) << "[pad]\ndead_zone = 30\n";
    EXPECT_EQ(fresh.load(file, messages), changed);
    ASSERT_TRUE(fresh.save(changed, messages));
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    EXPECT_NE(text.str().find("\n[pad]\ndead_zone = 30\n"), std::string::npos) << text.str();
    EXPECT_EQ(messages.str(), "");
}

TEST_F(SettingsFileTest, EachDamagedLineCostsOneMessageNamingItAndKeepsTheRest) {
    // Fire (4) takes walk forward's (0) key, and walk forward is left none.
    const auto upForFire = [](Settings& s) { s.keys[4] = std::exchange(s.keys[0], noKey); };
    const std::tuple<const char*, int, void (*)(Settings&)> cases[] = {
        {"[game]\nmute = on\nvolume 3\n", 3, [](Settings& s) { s.muted = true; }},
        {"[keys]\njump = j\n", 2, [](Settings&) {}},
        {"; mine\n[keys]\nfire = blaster\n", 3, [](Settings&) {}},
        {"[game]\nvolume = -1\n", 2, [](Settings& s) { s.volume = 0; }},
        {"[game]\nframe_cap = 99999999999999999999\n", 2, [](Settings& s) { s.frameCap = 144; }},
        {"[game]\nvolume = loud\n", 2, [](Settings&) {}},
        {"[game]\ndifficulty = expert\n", 2, [](Settings&) {}},
        {"[keys]\nfire = up\nwalk_forward = up\n", 3, upForFire},
        {"[keys]\nfire = up\nturn_left = up\n", 3, upForFire},
    };
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    for (const auto& [text, line, expect] : cases) {
        std::ofstream(file, std::ios::binary) << text;
        std::ostringstream messages;
        Settings expected;
        expect(expected);
        EXPECT_EQ(SettingsFile().load(file, messages), expected) << text;
        const std::string said = messages.str();
        const std::string named = "Settings: " + file + " line " + std::to_string(line) + ": ";
        EXPECT_TRUE(said.rfind(named, 0) == 0 && said.find('\n') + 1 == said.size()) << said;
    }
}

// Two games at once, each saving what it changed into a file that holds lines
// neither owns: nothing of the other's or the player's is lost.
TEST_F(SettingsFileTest, ASaveWritesOnlyItsChangesAndKeepsEveryOtherLineByteForByte) {
    const std::string longLine = "; " + std::string(250, 'x') + "\n";
    const std::string section = "[" + std::string(60, 's') + "]\nx = 1\n";
    const std::string before = "; mine\r\n[game]\nvolume = 3\n" + longLine + section +
                               "[keys]\nfire = f13\njump = j\n[future]\nthing = 2";
    std::filesystem::create_directories(folder + "/vortimbal3");
    std::ofstream(file, std::ios::binary) << before;
    std::ostringstream messages;
    SettingsFile first, second;
    Settings one = first.load(file, messages), two = second.load(file, messages);
    two.volume = 7;
    ASSERT_TRUE(second.save(two, messages));
    one.muted = true;
    one.keys[1] = ',';  // walk_back
    ASSERT_TRUE(first.save(one, messages));
    EXPECT_EQ(contents(file), "; mine\r\n[game]\nvolume = 7\n" + longLine + "mute = true\n" +
                                  section + "[keys]\nfire = f13\njump = j\nwalk_back = ,\n" +
                                  "[future]\nthing = 2");
}

// Both kept files: a player's symlink stays and its target is written, and a
// save clears the temporaries an earlier save, killed, left beside it.
TEST_F(SettingsFileTest, SavesWriteThroughSymlinksAndClearStaleTemporaries) {
    const std::pair<const char*, std::function<void(const std::string&)>> saves[] = {
        {"",
         [](const std::string& name) {
             SettingsFile kept;
             std::ostringstream said;
             Settings changed = kept.load(name, said);
             changed.volume = 2;
             EXPECT_TRUE(kept.save(changed, said)) << said.str();
         }},
        {"vortimbal3 high scores 1\n",
         [](const std::string& name) {
             HighScores kept;
             std::ostringstream said;
             kept.load(name, said);
             EXPECT_EQ(kept.add({5, 1, "2026-01-01", Difficulty::Normal, ""}, said), 0)
                 << said.str();
         }},
    };
    const std::string target = folder + "/dotfiles/kept", stale = target + ".saving-a1B2c3";
    std::filesystem::create_directories(folder + "/dotfiles");
    std::filesystem::create_directories(folder + "/vortimbal3");
    for (const auto& [text, save] : saves) {
        std::ofstream(target) << text;
        std::ofstream(stale) << "half";
        std::filesystem::remove(file);
        std::filesystem::create_symlink("../dotfiles/kept", file);
        save(file);
        EXPECT_TRUE(std::filesystem::is_symlink(file));
        EXPECT_NE(contents(target), text);
        EXPECT_FALSE(std::filesystem::exists(stale));
    }
}

TEST_F(SettingsFileTest, AJunkFileGivesTenMessagesThenACount) {
    std::filesystem::create_directories(folder + "/vortimbal3");
    std::ofstream junk(file);
    for (int i = 0; i < 30; ++i) {
        junk << "junk\n";
    }
    junk.close();
    std::ostringstream messages;
    SettingsFile().load(file, messages);
    const std::string said = messages.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 11);
    EXPECT_NE(said.find(": 20 more lines"), std::string::npos) << said;
}
