// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/window_geometry.h"

using namespace vortimbal;

// freeglut made a window of whatever its stack held for a geometry with no size
// (X refused it, or the renderer crashed) and placed "-0-0" by it, off screen.
TEST(WindowGeometry, TheWindowHasThePlaceAskedForAndTheGamesOwnSizeWhereNoneIs) {
    // Corners on a 1920 by 1080 screen; "none" where the window manager places it.
    const struct {
        std::vector<std::string> args;
        int width, height;
        std::string corner;
    } cases[] = {
        {{}, 640, 480, "none"},
        {{"-geometry", "800x600+10-20"}, 800, 600, "10,460"},
        {{"-geometry", "=1024X768"}, 1024, 768, "none"},
        {{"-geometry", "+0+0"}, 640, 480, "0,0"},
        {{"-geometry", "-0-0"}, 640, 480, "1280,600"},
        {{"-geometry", "800+5"}, 640, 480, "none"},
        {{"-geometry", "800x+0+0"}, 640, 480, "none"},
        {{"-geometry", "0x99999999999999999999-0+0"}, 16, 16384, "1904,0"},
        {{"-geometry", "300x200", "-iconic", "-geometry", "-10+5"}, 640, 480, "1270,5"},
        {{"-geometry"}, 640, 480, "none"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> strings = c.args;
        strings.insert(strings.begin(), "vortimbal3");
        std::vector<char*> argv;
        for (std::string& arg : strings) {
            argv.push_back(arg.data());
        }
        const WindowPlace place = windowPlaceAskedFor(int(argv.size()), argv.data(), 640, 480);
        const std::string corner =
            place.placed ? std::to_string(place.left(1920)) + "," + std::to_string(place.top(1080))
                         : "none";
        EXPECT_EQ(std::tie(place.width, place.height, corner),
                  std::tie(c.width, c.height, c.corner))
            << (c.args.empty() ? "no -geometry" : c.args.back());
    }
}
