// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "app/clean_exit.h"
#include "app/frame_clock.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/settings_in_force.h"
#include "app/shell_state.h"
#include "audio/sound_player.h"
#include "game/game_state.h"
#include "platform/folders.h"
#include "saves/high_scores.h"
#include "saves/replay_verdict.h"
#include "saves/settings.h"
#include "screens/title_screen.h"

namespace vortimbal {

bool startFullScreen = false;

namespace {

constexpr long maxFpsLimit = 10000;
// GLUT's own options, left to it; the first two take a value.
const char* const glutOptions[] = {"-display", "-geometry", "-direct", "-indirect",
                                   "-iconic",  "-gldebug",  "-sync"};
constexpr int glutOptionsWithValue = 2;
constexpr int refused = 2;
// A fast replay shows every this many steps.
constexpr int fastDrawInterval = 10;

bool readDifficulty(const char* text, std::ostream& errors) {
    if (text == nullptr || !difficultyFromName(text, chosenDifficulty)) {
        errors << "--difficulty needs easy, normal or hard\n";
        return false;
    }
    difficultyHeld = true;
    return true;
}

bool readFrameRate(const char* text, std::ostream& errors) {
    char* end = nullptr;
    errno = 0;
    const long value = text == nullptr ? -1 : std::strtol(text, &end, 10);
    if (text == nullptr || end == text || *end != 0 || errno != 0 || value < 0 ||
        value > maxFpsLimit) {
        errors << "--max-fps needs a whole number from 0 (no cap) to " << maxFpsLimit << '\n';
        return false;
    }
    frameCapForRun = int(value);
    return true;
}

// Its place among GLUT's options, or -1.
int glutOption(const char* arg) {
    for (int i = 0; i < int(std::size(glutOptions)); ++i) {
        if (std::strcmp(arg, glutOptions[i]) == 0) {
            return i;
        }
    }
    return -1;
}

// Where the installed data is: beside the program in an unpacked zip.
std::string installedData() {
    return std::strcmp(VORTIMBAL_DATA_FROM_PROGRAM, ".") == 0 ? "the program's own folder"
                                                              : VORTIMBAL_DATA_DIR;
}

std::string kept(const std::string& file) {
    return file.empty() ? "no folder this run" : file;
}

void printHelp(std::ostream& out) {
    out << "Usage: vortimbal3 [--difficulty NAME] [--max-fps N] [--mute] [--fullscreen | "
           "--windowed]\n"
           "                  [--record FILE] [--replay FILE [--fast [--no-draw]]] [--help] "
           "[--version]\n"
           "                  [GLUT options: -display X, -geometry WxH+X+Y, -iconic, -direct,\n"
           "                  -indirect, -gldebug, -sync]\n"
           "       vortimbal3 --verify FILE...\n"
           "Vortimbal 3: shoot the bad guys before they shoot the city's citizens.\n"
        << scoringRule
        << ".\n\n"
           "Keys:\n";
    std::vector<HelpLine> lines = helpLines();
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const HelpLine& line) { return !line.isKey; }),
                lines.end());
    std::size_t keysWidth = 0;
    for (const HelpLine& line : lines) {
        keysWidth = std::max(keysWidth, line.keys.size());
    }
    for (const HelpLine& line : lines) {
        out << "  " << line.keys << std::string(keysWidth + 2 - line.keys.size(), ' ')
            << line.action << '\n';
    }
    out << "\nIn play, a mark shows where the next shot goes: a red diamond over a bad guy,\n"
           "a yellow ring struck through over a citizen; red arrows at the edges point to\n"
           "the bad guys out of sight.\n";
    out << "\nA gamepad plays too, plugged in at any time: the left stick or the D-pad walks,\n"
           "A or the right trigger fires, Start pauses, the right stick moves the camera;\n"
           "in the menus the D-pad moves, A chooses and B goes back.\n";
    out << "\nOptions, for this run only (the Options page keeps settings for good):\n"
           "  --difficulty NAME easy, normal or hard, for the games of this run\n"
           "  --max-fps N       draw at most N frames a second (0: no cap)\n"
           "  --mute            start with the sound off\n"
           "  --fullscreen      start in full screen; --windowed, in a window\n"
           "  --record FILE     write every input to FILE, to replay the game later\n"
           "  --replay FILE     play a recorded game again, ignoring the keys\n"
           "  --fast            with --replay: step as fast as possible, showing every "
        << fastDrawInterval
        << "th step\n"
           "  --no-draw         with --replay --fast: show nothing, open no window\n"
           "  --verify FILE     replay FILE unseen, with no display, and print its closing line;\n"
           "                    exit 0 when the replay claims that line (or none), 1 when it\n"
           "                    claims another, 2 when FILE is no replay; given several\n"
           "                    files, a line for each beside its name, and the worst status\n"
           "  --help            print this and exit\n"
           "  --version         print the version and exit\n\n"
           "Models and images are read from obj/ and bmp/ in $VORTIMBAL_DATA, else in\n"
           "the working directory when it has them, else in "
        << installedData() << ".\n"
        << "High scores are kept in " << kept(HighScores::defaultFile(dataHome(), homeFolder()))
        << ",\nsettings in " << kept(SettingsFile::defaultFile(configHome(), homeFolder()))
        << ".\n"
           "Each game's replay is kept in the replays/ folder beside the high scores (those\n"
           "of the table and of the five latest games): the High scores and Replays pages\n"
           "watch them. Share one by sending its file, to be checked with --verify and\n"
           "watched with --replay. The Options page's \"record games\" turns this off.\n";
}

// Each file checked by the game's own --verify in a process of its own, so no
// replay's run leaks into the next; a line each, and the worst status.
int verifyEach(const std::vector<std::string>& files, std::ostream& out) {
    int worst = 0;
    for (const std::string& file : files) {
        if (const int signal = stopRequested()) {
            return 128 + signal;
        }
        const ReplayVerdict verdict = verifyInProcess(programPath(), file);
        out << file << ": " << verdict.line << (verdict.status == 1 ? " - it claims another" : "")
            << std::endl;
        worst = std::max(worst, verdict.status);
    }
    return worst;
}

}  // namespace

int takeOptions(int& argc, char** argv, std::ostream& out, std::ostream& errors) {
    mutedForRun = false;
    frameCapForRun = -1;
    startFullScreen = settings.fullScreen;
    chosenDifficulty = settings.difficulty;
    difficultyHeld = false;
    int kept = 1;
    bool fast = false, noDraw = false;
    const char* windowChoice = nullptr;
    // Files are opened only once every option is known good: a typo must not
    // empty a recorded game.
    const char* recordFile = nullptr;
    const char* replayFile = nullptr;
    verifyingReplay = false;
    std::vector<std::string> moreToVerify;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0) {
            printHelp(out);
            return 0;
        }
        if (std::strcmp(arg, "--version") == 0) {
            out << "Vortimbal 3 version " << VORTIMBAL_VERSION << '\n';
            return 0;
        }
        bool usable = true;
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (std::strcmp(arg, "--record") == 0 || std::strcmp(arg, "--replay") == 0 ||
            std::strcmp(arg, "--verify") == 0) {
            ++i;
            if (value == nullptr) {
                errors << arg << " needs a file\n";
                return refused;
            }
            const bool record = std::strcmp(arg, "--record") == 0;
            if (!record && replayFile != nullptr) {
                errors << "--replay and --verify take one replay between them\n";
                return refused;
            }
            verifyingReplay = verifyingReplay || std::strcmp(arg, "--verify") == 0;
            (record ? recordFile : replayFile) = value;
            // --verify takes every file up to the next option.
            while (verifyingReplay && i + 1 < argc && argv[i + 1][0] != '-') {
                moreToVerify.push_back(argv[++i]);
            }
        } else if (std::strcmp(arg, "--mute") == 0) {
            mutedForRun = true;
        } else if (std::strcmp(arg, "--fullscreen") == 0 || std::strcmp(arg, "--windowed") == 0) {
            if (windowChoice != nullptr && std::strcmp(windowChoice, arg) != 0) {
                errors << windowChoice << " and " << arg << " cannot both hold; choose one\n";
                return refused;
            }
            windowChoice = arg;
            startFullScreen = std::strcmp(arg, "--fullscreen") == 0;
        } else if (std::strcmp(arg, "--fast") == 0) {
            fast = true;
        } else if (std::strcmp(arg, "--no-draw") == 0) {
            noDraw = true;
        } else if (std::strcmp(arg, "--difficulty") == 0) {
            ++i;
            usable = readDifficulty(value, errors);
        } else if (std::strcmp(arg, "--max-fps") == 0) {
            ++i;
            usable = readFrameRate(value, errors);
        } else if (std::strncmp(arg, "--max-fps=", 10) == 0) {
            usable = readFrameRate(arg + 10, errors);
        } else if (const int glut = glutOption(arg); glut >= 0) {
            argv[kept++] = argv[i];
            if (glut < glutOptionsWithValue && value != nullptr) {
                argv[kept++] = argv[++i];
            }
        } else {
            errors << (arg[0] == '-' ? "Unknown option " : "Unexpected word ") << arg
                   << "; vortimbal3 --help lists the options\n";
            usable = false;
        }
        if (!usable) {
            return refused;
        }
    }
    if ((fast || noDraw) && (replayFile == nullptr || verifyingReplay)) {
        errors << "--fast and --no-draw go with --replay\n";
        return refused;
    }
    if (verifyingReplay && recordFile != nullptr) {
        errors << "--verify records nothing\n";
        return refused;
    }
    if (!moreToVerify.empty()) {
        moreToVerify.insert(moreToVerify.begin(), replayFile);
        return verifyEach(moreToVerify, out);
    }
    // A replay that cannot be checked is told apart from one that fails its check.
    if (replayFile != nullptr && !startReplay(replayFile, errors)) {
        return verifyingReplay ? refused : 1;
    }
    // A recording of the run holds it from its first step, which such a replay lacks.
    if (recordFile != nullptr && replayStartsMidRun()) {
        errors << "--record cannot copy a replay of one game; the replay itself is the copy\n";
        return refused;
    }
    beginRun();
    if (recordFile != nullptr && !startRecording(recordFile, errors)) {
        return 1;
    }
    // Unseen, a replay needs no window: it runs over SSH or in CI.
    headless = verifyingReplay || (fast && noDraw);
    fastStepsPerFrame = headless ? -1 : !fast ? 0 : fastDrawInterval;
    applySettings();
    argc = kept;
    argv[argc] = nullptr;
    return keepRunning;
}

}  // namespace vortimbal
