// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

// Runs a test in the game's data folder, where the models are read from obj/,
// and goes back to where it was afterwards.

#include <unistd.h>

#include <gtest/gtest.h>

class ModelFolder {
  public:
    ModelFolder() {
        EXPECT_NE(getcwd(previous, sizeof previous), nullptr);
        EXPECT_EQ(chdir(VORTIMBAL_SOURCE_DIR "/data"), 0);
    }
    ~ModelFolder() { EXPECT_EQ(chdir(previous), 0); }

  private:
    char previous[4096] = {};
};
