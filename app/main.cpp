// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <GL/glut.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "app/clean_exit.h"
#include "app/command_line.h"
#include "app/frame_clock.h"
#include "app/replay.h"
#include "app/shell_state.h"
#include "app/startup.h"
#include "audio/sound_player.h"
#include "platform/folders.h"
#include "platform/stop_signals.h"
#include "saves/high_scores.h"
#include "saves/replay_checks.h"
#include "saves/replay_folder.h"
#include "saves/settings.h"

int main(int argc, char** argv) {
    vortimbal::useStartingConsole();
    vortimbal::lineBufferOutput();
    vortimbal::catchStopSignals();
    const std::string settingsPath =
        vortimbal::SettingsFile::defaultFile(vortimbal::configHome(), vortimbal::homeFolder());
    const std::string scoresPath =
        vortimbal::HighScores::defaultFile(vortimbal::dataHome(), vortimbal::homeFolder());
    // Said once, or a player would wonder where his settings went.
    if (settingsPath.empty() || scoresPath.empty()) {
        std::cout << "No absolute folder is set (" << vortimbal::folderVariables() << "): "
                  << (settingsPath.empty() && scoresPath.empty() ? "settings and high scores"
                      : settingsPath.empty()                     ? "settings"
                                                                 : "high scores")
                  << " are not kept this run\n";
    }
    vortimbal::settings = vortimbal::settingsFile.load(settingsPath, std::cout);
    vortimbal::soundPlayer.setVolume(vortimbal::settings.volume);
    const int status = vortimbal::takeOptions(argc, argv, std::cout, std::cerr);
    if (status != vortimbal::keepRunning) {
        return status;
    }
    // A replay plays an old game again: it is not a new one for the table.
    if (!vortimbal::replaying()) {
        vortimbal::highScores.load(scoresPath, std::cout);
        vortimbal::replayFolder = vortimbal::ReplayFolder(
            vortimbal::ReplayFolder::defaultPath(vortimbal::dataHome(), vortimbal::homeFolder()));
        // The game checks the table's replays with its own --verify.
        vortimbal::replayChecks.setChecker(vortimbal::programPath());
    }
    if (!vortimbal::startUpReported([&] { vortimbal::startUp(&argc, argv); }, std::cerr)) {
        return 1;
    }
    if (vortimbal::headless) {
        vortimbal::runHeadless();
    }
    glutMainLoop();
    return 0;
}
