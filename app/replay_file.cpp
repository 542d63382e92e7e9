// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/replay_file.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <utility>

#include "input/actions.h"

namespace vortimbal {

const char* const replayHeaders[2] = {"vortimbal3 replay 1", "vortimbal3 replay 2"};
const char* const inputKindNames[8] = {"key",       "special", "menu", "pause",
                                       "menu-open", "action",  "walk", "turn"};

namespace {

// A replay runs on for at most an hour of steps after its last input, whatever
// its end says.
constexpr long maxIdleSteps = 20L * 60 * 60;
constexpr int walkMost = 1000;    // thousandths of a stick's travel
constexpr int turnMost = 180000;  // thousandths of a degree, as one step turns at most

bool readKind(const std::string& name, InputKind& kind) {
    for (int i = 0; i < int(std::size(inputKindNames)); ++i) {
        if (name == inputKindNames[i]) {
            kind = InputKind(i);
            return true;
        }
    }
    return false;
}

bool inside(int value, int least, int most) {
    return value >= least && value <= most;
}

// Each value within what the game itself records.
bool inRange(const ReplayInput& input) {
    const bool press = input.value == 1 || input.value == -1;
    switch (input.kind) {
        case InputKind::Key:
            return inside(input.code, 0, 255) && press;
        case InputKind::Special:
            return inside(input.code, 0, 255) && inside(input.value, 0, 1);
        case InputKind::Menu:
            return inside(input.code, 0, 255) && input.value == 0;
        case InputKind::Pause:
            return input.code == 0 && input.value == 0;
        case InputKind::MenuOpen:
            return inside(input.code, 0, 1) && input.value == 0;
        case InputKind::Action:
            return inside(input.code, 0, actionCount - 1) && press;
        case InputKind::Walk:
            return inside(input.code, -walkMost, walkMost) &&
                   inside(input.value, -walkMost, walkMost);
        case InputKind::Turn:
            return inside(input.code, -turnMost, turnMost) && input.value == 0;
    }
    return false;
}

// What follows the end's step: nothing, or one space and a closing line exactly
// as closingLine writes it, so there is one spelling of each claim.
bool readClaim(std::istringstream& fields, std::string& claim) {
    std::string rest;
    if (!std::getline(fields, rest)) {
        return true;
    }
    if (rest.size() < 2 || rest[0] != ' ') {
        return false;
    }
    std::istringstream words(rest.substr(1));
    std::string word;
    int level = 0, score = 0, citizens = 0, badGuys = 0;
    // The words between the numbers are checked by writing the line again.
    if (!(words >> word >> level >> word >> word >> score >> word >> citizens >> word >> word >>
          badGuys) ||
        closingLine(level, score, citizens, badGuys) != rest.substr(1)) {
        return false;
    }
    claim = rest.substr(1);
    return true;
}

}  // namespace

std::string closingLine(int level, int score, int citizensLeft, int badGuysLeft) {
    char line[160];
    std::snprintf(line, sizeof line, "level %d, score %d, %d citizens and %d bad guys left", level,
                  score, citizensLeft, badGuysLeft);
    return line;
}

bool parseReplay(const std::string& text, Replay& replay) {
    replay = Replay();
    std::istringstream in(text);
    std::string line;
    if (text.empty() || text.back() != '\n' || !std::getline(in, line)) {
        return false;
    }
    replay.version = line == replayHeaders[0] ? 1 : line == replayHeaders[1] ? 2 : 0;
    long last = 0;
    bool first = true;
    while (replay.version != 0 && std::getline(in, line)) {
        std::istringstream fields(line);
        std::string word, extra;
        ReplayInput input{};
        if (std::exchange(first, false) && line.rfind("difficulty ", 0) == 0) {
            if (!(fields >> word >> word) || fields >> extra ||
                !difficultyFromName(word, replay.difficulty)) {
                break;
            }
            continue;
        }
        if (line.rfind("end ", 0) == 0) {
            long end = -1;
            if (!(fields >> word >> end) || !readClaim(fields, replay.claim) || end < last ||
                end > maxReplaySteps || std::getline(in, line)) {
                break;
            }
            replay.endStep = std::min(end, last + maxIdleSteps);
            return true;
        }
        if (replay.inputs.size() == maxReplayInputs ||
            !(fields >> input.step >> word >> input.code >> input.value) || fields >> extra ||
            !readKind(word, input.kind) || input.step < last || input.step > maxReplaySteps ||
            !inRange(input)) {
            break;
        }
        last = input.step;
        replay.inputs.push_back(input);
    }
    replay = Replay();
    return false;
}

}  // namespace vortimbal
