// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/replay.h"

#include <GL/glut.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <utility>
#include <vector>

#include "app/clean_exit.h"
#include "app/frame_clock.h"
#include "app/game_flow.h"
#include "app/keyboard.h"
#include "app/menus.h"
#include "app/pad_input.h"
#include "app/shell_state.h"
#include "core/regular_file.h"
#include "game/game_state.h"
#include "game/playable_world.h"

namespace vortimbal {

namespace {

// Version 1 wrote keys, which all meant their default actions then; version 2
// writes the player's actions by name and only the fixed keys as keys.
const char* const headers[] = {"vortimbal3 replay 1", "vortimbal3 replay 2"};
const char* const kindNames[] = {"key",       "special", "menu", "pause",
                                 "menu-open", "action",  "walk", "turn"};
constexpr int kindCount = int(sizeof kindNames / sizeof kindNames[0]);
// Far more inputs than hours of play bring; a larger file is not a replay.
constexpr std::size_t maxInputs = 1000000;
constexpr std::size_t maxBytes = 32 * maxInputs;
// A replay runs on for at most an hour of steps after its last input, whatever
// its end says.
constexpr long maxIdleSteps = 20L * 60 * 60;

struct Input {
    long step;
    InputKind kind;
    int code;
    int value;
};

std::FILE* recording = nullptr;
std::vector<Input> inputs;
std::size_t nextInput = 0;
long endStep = -1;
bool keysByDefault = false;

bool readKind(const std::string& name, InputKind& kind) {
    for (int i = 0; i < kindCount; ++i) {
        if (name == kindNames[i]) {
            kind = InputKind(i);
            return true;
        }
    }
    return false;
}

// Strict: the header, inputs in step order, then "end" with the last step.
bool parse(std::istream& in) {
    std::string line;
    if (!std::getline(in, line) || (line != headers[0] && line != headers[1])) {
        return false;
    }
    keysByDefault = line == headers[0];
    // Older replays were all played at the rules "normal" has.
    chosenDifficulty = Difficulty::Normal;
    long last = 0;
    bool first = true;
    while (std::getline(in, line) && inputs.size() < maxInputs) {
        std::istringstream fields(line);
        std::string word, extra;
        Input input{};
        if (std::exchange(first, false) && line.rfind("difficulty ", 0) == 0) {
            if (!(fields >> word >> word) || fields >> extra ||
                !difficultyFromName(word, chosenDifficulty)) {
                return false;
            }
            continue;
        }
        if (line.rfind("end ", 0) == 0) {
            const bool whole = (fields >> word >> endStep) && !(fields >> extra) &&
                               endStep >= last && !std::getline(in, line);
            endStep = std::min(endStep, last + maxIdleSteps);
            return whole;
        }
        if (!(fields >> input.step >> word >> input.code >> input.value) || fields >> extra ||
            !readKind(word, input.kind) || input.step < last ||
            (input.kind == InputKind::Action && (input.code < 0 || input.code >= actionCount))) {
            return false;
        }
        last = input.step;
        inputs.push_back(input);
    }
    return false;
}

// The whole file, when it is a regular one no larger than a replay can be.
bool readWhole(const std::string& file, std::string& text) {
    std::FILE* in = openRegularFile(file.c_str());
    if (in == nullptr) {
        return false;
    }
    char buffer[65536];
    for (std::size_t got;
         text.size() <= maxBytes && (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
        text.append(buffer, got);
    }
    std::fclose(in);
    return text.size() <= maxBytes;
}

void apply(const Input& input) {
    recordInput(input.kind, input.code, input.value);
    switch (input.kind) {
        case InputKind::Key:
            replayKey(Key(input.code), input.value, keysByDefault);
            break;
        case InputKind::Special:
            replayKey(specialKey(input.code), input.value != 0 ? 1 : -1, keysByDefault);
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

bool startRecording(const std::string& file, std::ostream& errors) {
    recording = std::fopen(file.c_str(), "w");
    if (recording == nullptr) {
        errors << "Cannot record to " << file << '\n';
        return false;
    }
    std::fprintf(recording, "%s\ndifficulty %s\n", headers[1], difficultyName(chosenDifficulty));
    return true;
}

bool startReplay(const std::string& file, std::ostream& errors) {
    std::string text;
    inputs.clear();
    nextInput = 0;
    endStep = -1;
    if (!readWhole(file, text)) {
        errors << "Cannot read the replay " << file << '\n';
        return false;
    }
    std::istringstream in(text);
    if (!parse(in)) {
        inputs.clear();
        endStep = -1;
        errors << "The replay " << file << " is cut short, from another version, or not a replay\n";
        return false;
    }
    return true;
}

bool replaying() {
    return endStep >= 0;
}

void recordInput(InputKind kind, int code, int value) {
    if (recording != nullptr) {
        std::fprintf(recording, "%ld %s %d %d\n", stepsTaken, kindNames[int(kind)], code, value);
        std::fflush(recording);
    }
}

void endRecording() {
    if (recording != nullptr) {
        std::fprintf(recording, "end %ld\n", stepsTaken);
        std::fclose(recording);
        recording = nullptr;
    }
}

void feedReplay(long step) {
    while (nextInput < inputs.size() && inputs[nextInput].step == step) {
        apply(inputs[nextInput++]);
    }
    if (replaying() && step >= endStep) {
        endGame();
    }
}

std::string summaryLine() {
    char line[160];
    std::snprintf(line, sizeof line, "level %d, score %d, %d citizens and %d bad guys left", level,
                  gameWorld->score(), gameWorld->goodLeft() - 1, gameWorld->badGuysLeft());
    return line;
}

}  // namespace vortimbal
