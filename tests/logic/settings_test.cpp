// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "saves/settings.h"

using namespace vortimbal;

// A folder of the test's own, gone afterwards; the file sits one folder down.
class SettingsFileTest : public ::testing::Test {
  protected:
    void TearDown() override { std::filesystem::remove_all(folder); }

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
