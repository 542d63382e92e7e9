// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/replay.h"

#include <GL/glut.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/clean_exit.h"
#include "app/frame_clock.h"
#include "app/game_flow.h"
#include "app/keyboard.h"
#include "app/menus.h"
#include "app/pad_input.h"
#include "app/replay_file.h"
#include "app/shell_state.h"
#include "core/regular_file.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "screens/notice.h"

namespace vortimbal {

namespace {

std::FILE* recording = nullptr;
std::string recordingName;
std::size_t inputsRecorded = 0;
bool recordingBroken = false;
Replay replay;
std::size_t nextInput = 0;

// The status a replay ends with: 1 when it is checked and does not end as it
// claims. A replay from before claims were written has nothing to contradict.
int verdict() {
    if (!verifyingReplay) {
        return 0;
    }
    if (replay.claim.empty()) {
        std::cerr << "The replay claims no closing line; it plays to the one below\n";
        return 0;
    }
    if (replay.claim != summaryLine()) {
        std::cerr << "The replay claims \"" << replay.claim << "\" but plays to the line below\n";
        return 1;
    }
    return 0;
}

// The whole file, when it is a regular one no larger than a replay can be.
bool readWhole(const std::string& file, std::string& text) {
    std::FILE* in = openRegularFile(file.c_str());
    if (in == nullptr) {
        return false;
    }
    char buffer[65536];
    for (std::size_t got;
         text.size() <= maxReplayBytes && (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
        text.append(buffer, got);
    }
    std::fclose(in);
    return text.size() <= maxReplayBytes;
}

// A recording that cannot be written says so once and stops: without its end
// line no reader takes it for a whole game.
void recordingFailed() {
    const std::string why = std::strerror(errno);
    std::fclose(recording);
    recording = nullptr;
    recordingBroken = true;
    std::cerr << "Cannot record to " << recordingName << ": " << why
              << "; the recording is incomplete\n";
    showNotice("recording failed - " + why);
}

// Each line reaches the file at once, so a killed game leaves what it played.
bool writeLine(const std::string& line) {
    errno = EIO;
    if (std::fputs(line.c_str(), recording) < 0 || std::fflush(recording) != 0) {
        recordingFailed();
        return false;
    }
    return true;
}

// The closing line goes with the end only when the recording ends where the game
// stands: a recording stopped at its limits ends on a step already past.
bool closeRecording(long step) {
    const std::string claim = step == stepsTaken ? ' ' + summaryLine() : "";
    if (!writeLine("end " + std::to_string(step) + claim + "\n")) {
        return false;
    }
    const bool closed = std::fclose(recording) == 0;
    recording = nullptr;
    if (!closed) {
        recordingBroken = true;
        std::cerr << "Cannot record to " << recordingName << ": " << std::strerror(errno)
                  << "; the recording is incomplete\n";
    }
    return closed;
}

void apply(const ReplayInput& input) {
    recordInput(input.kind, input.code, input.value);
    switch (input.kind) {
        case InputKind::Key:
            replayKey(Key(input.code), input.value, replay.version == 1);
            break;
        case InputKind::Special:
            replayKey(specialKey(input.code), input.value != 0 ? 1 : -1, replay.version == 1);
            break;
        case InputKind::Action:
            doAction(Action(input.code), input.value);
            break;
        case InputKind::Walk:
            replayWalk(input.code, input.value);
            break;
        case InputKind::Turn:
            gameWorld->turnPlayer(float(input.code) / 1000);
            break;
        case InputKind::Menu:
            onMenu(input.code);
            break;
        case InputKind::Pause:
            pauseGame();
            break;
        case InputKind::MenuOpen:
            menuOpen = input.code != 0;
            break;
    }
}

}  // namespace

bool verifyingReplay = false;

bool startRecording(const std::string& file, std::ostream& errors) {
    recordingName = file;
    inputsRecorded = 0;
    recordingBroken = false;
    recording = std::fopen(file.c_str(), "w");
    if (recording == nullptr) {
        errors << "Cannot record to " << file << ": " << std::strerror(errno) << '\n';
        return false;
    }
    errno = EIO;
    if (std::fprintf(recording, "%s\ndifficulty %s\n", replayHeaders[1],
                     difficultyName(chosenDifficulty)) < 0 ||
        std::fflush(recording) != 0) {
        errors << "Cannot record to " << file << ": " << std::strerror(errno) << '\n';
        std::fclose(recording);
        recording = nullptr;
        return false;
    }
    return true;
}

bool startReplay(const std::string& file, std::ostream& errors) {
    std::string text;
    nextInput = 0;
    replay = Replay();
    if (!readWhole(file, text)) {
        errors << "Cannot read the replay " << file << '\n';
        return false;
    }
    if (!parseReplay(text, replay)) {
        errors << "The replay " << file
               << " is cut short, from another version, out of range or not a replay\n";
        return false;
    }
    chosenDifficulty = replay.difficulty;
    return true;
}

bool replaying() {
    return replay.version != 0;
}

void recordInput(InputKind kind, int code, int value) {
    if (recording == nullptr) {
        return;
    }
    // Stopped at the limits the reader holds to, so the file can be replayed.
    if (inputsRecorded == maxReplayInputs || stepsTaken > maxReplaySteps) {
        const long end = std::min(stepsTaken, maxReplaySteps);
        if (closeRecording(end)) {
            std::cout << "The recording has reached its limit of " << maxReplayInputs
                      << " inputs or a day of play; it ends at step " << end << '\n';
            showNotice("recording full - stopped");
        }
        return;
    }
    ++inputsRecorded;
    writeLine(std::to_string(stepsTaken) + ' ' + inputKindNames[int(kind)] + ' ' +
              std::to_string(code) + ' ' + std::to_string(value) + '\n');
}

bool endRecording() {
    if (recording != nullptr) {
        closeRecording(std::min(stepsTaken, maxReplaySteps));
    }
    return !recordingBroken;
}

void feedReplay(long step) {
    while (nextInput < replay.inputs.size() && replay.inputs[nextInput].step == step) {
        apply(replay.inputs[nextInput++]);
    }
    if (replaying() && step >= replay.endStep) {
        endGame(verdict());
    }
}

std::string summaryLine() {
    return closingLine(level, gameWorld->score(), gameWorld->goodLeft() - 1,
                       gameWorld->badGuysLeft());
}

}  // namespace vortimbal
