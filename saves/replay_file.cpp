// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/replay_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "input/actions.h"
#include "platform/regular_file.h"

namespace vortimbal {

const char* const replayHeaders[4] = {"vortimbal3 replay 1", "vortimbal3 replay 2",
                                      "vortimbal3 replay 3", "vortimbal3 replay 4"};
const char* const inputKindNames[8] = {"key",       "special", "menu", "pause",
                                       "menu-open", "action",  "walk", "turn"};
const char* const heldNote = " for this run";

namespace {

// A replay runs on for at most an hour of steps after its last input, whatever
// its end says.
constexpr long maxIdleSteps = 20L * 60 * 60;
// Of a replay's first and last bytes, what a page reads: far more than its head
// or its end line take.
constexpr std::size_t endsRead = 4096;
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

// What follows the end's step: nothing, or one space and a claim exactly as
// claimText writes it, so there is one spelling of each claim.
bool readClaim(const std::string& rest, Claim& claim) {
    if (rest.empty()) {
        return true;
    }
    if (rest.size() < 2 || rest[0] != ' ') {
        return false;
    }
    const std::string text = rest.substr(1);
    Claim read;
    const std::size_t on = text.rfind(" on ");
    read.namesDifficulty = on != std::string::npos;
    if (read.namesDifficulty && !difficultyFromName(text.substr(on + 4), read.difficulty)) {
        return false;
    }
    std::istringstream words(text.substr(0, on));
    std::string word;
    int citizens = 0, badGuys = 0;
    // The words between the numbers are checked by writing the claim again.
    if (!(words >> word >> read.level >> word >> word >> read.score >> word >> citizens >> word >>
          word >> badGuys)) {
        return false;
    }
    read.line = closingLine(read.level, read.score, citizens, badGuys);
    if (claimText(read) != text) {
        return false;
    }
    claim = read;
    return true;
}

// A line naming something of the whole replay, before its inputs.
bool readNamed(const std::string& line, const char* name, std::string& value) {
    const std::string prefix = std::string(name) + ' ';
    if (line.rfind(prefix, 0) != 0) {
        return false;
    }
    value = line.substr(prefix.size());
    return true;
}

// "NAME", or "NAME for this run".
bool readDifficulty(std::string value, Replay& replay) {
    const std::size_t note = value.size() - std::min(value.size(), std::strlen(heldNote));
    replay.difficultyHeld = value.compare(note, std::string::npos, heldNote) == 0;
    if (replay.difficultyHeld) {
        value.resize(note);
    }
    return difficultyFromName(value, replay.difficulty);
}

bool readStep(const std::string& text, long& step, long most) {
    std::istringstream fields(text);
    std::string extra;
    return fields >> step && !(fields >> extra) && step >= 0 && step <= most;
}

// "snapshot VERSION LINES", then that many lines.
bool readSnapshot(std::istream& in, const std::string& value, Replay& replay) {
    std::istringstream fields(value);
    int version = 0;
    long lines = 0;
    std::string extra, line;
    if (!(fields >> version >> lines) || fields >> extra || version != snapshotVersion ||
        lines < 1 || lines > maxSnapshotLines) {
        return false;
    }
    for (long i = 0; i < lines; ++i) {
        if (!std::getline(in, line)) {
            return false;
        }
        replay.snapshot += line + '\n';
    }
    return true;
}

// The header and the lines naming the whole replay, from the file's first bytes.
std::string headOf(const std::string& start) {
    std::istringstream in(start.substr(0, start.rfind('\n') + 1));
    std::string head, line, value;
    while (std::getline(in, line) && (head.empty() || readNamed(line, "difficulty", value) ||
                                      readNamed(line, "game", value))) {
        head += line + '\n';
    }
    return head;
}

// The last whole line of the file's last bytes, when it is an end line; a line
// that began before them is none.
std::string endLineOf(const std::string& last, bool wholeFile) {
    const std::size_t end = last.rfind('\n');
    const std::size_t before =
        end == 0 || end == std::string::npos ? std::string::npos : last.rfind('\n', end - 1);
    if (end == std::string::npos || (before == std::string::npos && !wholeFile)) {
        return "";
    }
    const std::string line = last.substr(before + 1, end - before);  // npos + 1 is 0
    std::string value;
    return readNamed(line, "end", value) ? line : "";
}

// Everything after the header; false on the first line that is not as the game writes it.
bool readBody(std::istream& in, Replay& replay) {
    std::string line, value;
    long last = 0;
    bool more = bool(std::getline(in, line));
    if (more && readNamed(line, "difficulty", value)) {
        if (!readDifficulty(value, replay)) {
            return false;
        }
        more = bool(std::getline(in, line));
    }
    if (more && readNamed(line, "game", value)) {
        if (!readStep(value, replay.gameStart, maxRunSteps)) {
            return false;
        }
        more = bool(std::getline(in, line));
    }
    if (more && replay.version >= 3 && readNamed(line, "snapshot", value)) {
        if (!readSnapshot(in, value, replay)) {
            return false;
        }
        more = bool(std::getline(in, line));
    }
    // Without a snapshot the run before the game is played: no longer than a day.
    if (replay.snapshot.empty() && replay.gameStart > maxReplaySteps) {
        return false;
    }
    const long first = replay.snapshot.empty() ? 0 : replay.gameStart;
    const long lastStep = first + maxReplaySteps;
    last = first;
    for (; more; more = bool(std::getline(in, line))) {
        std::istringstream fields(line);
        std::string word, extra;
        if (readNamed(line, "end", value)) {
            long end = -1;
            std::string rest;
            const bool read = bool(fields >> word >> end);
            std::getline(fields, rest);
            if (!read || end < std::max(last, replay.gameStart) || end > lastStep ||
                !readClaim(rest, replay.claim) || std::getline(in, line)) {
                return false;
            }
            replay.endStep = std::min(end, std::max(last, replay.gameStart) + maxIdleSteps);
            replay.finished = true;
            return true;
        }
        ReplayInput input{};
        if (replay.inputs.size() == maxReplayInputs ||
            !(fields >> input.step >> word >> input.code >> input.value) || fields >> extra ||
            !readKind(word, input.kind) || input.step < last || input.step > lastStep ||
            !inRange(input)) {
            return false;
        }
        last = input.step;
        replay.inputs.push_back(input);
    }
    // Cut short, as a game killed while it was written leaves it.
    replay.endStep = std::max(last, replay.gameStart);
    return true;
}

}  // namespace

const char* replayHeader(Maths maths, bool fromSnapshot) {
    return maths == Maths::Portable ? replayHeaders[3] : replayHeaders[fromSnapshot ? 2 : 1];
}

std::string closingLine(int level, int score, int citizensLeft, int badGuysLeft) {
    char line[160];
    std::snprintf(line, sizeof line, "level %d, score %d, %d citizens and %d bad guys left", level,
                  score, citizensLeft, badGuysLeft);
    return line;
}

bool readReplayText(const std::string& file, std::string& text) {
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

std::string claimText(const Claim& claim) {
    return claim.namesDifficulty ? claim.line + " on " + difficultyName(claim.difficulty)
                                 : claim.line;
}

bool parseReplay(const std::string& text, Replay& replay) {
    replay = Replay();
    // Only whole lines count: a file cut inside one ends at the line before.
    std::istringstream in(text.substr(0, text.rfind('\n') + 1));
    std::string line;
    if (!std::getline(in, line)) {
        return false;
    }
    replay.version = 0;
    for (int i = 0; i < int(std::size(replayHeaders)); ++i) {
        replay.version = line == replayHeaders[i] ? i + 1 : replay.version;
    }
    if (replay.version == 0 || !readBody(in, replay)) {
        replay = Replay();
        return false;
    }
    return true;
}

bool readReplay(const std::string& file, Replay& replay) {
    std::string text;
    return readReplayText(file, text) && parseReplay(text, replay);
}

bool readReplayEnds(const std::string& file, Replay& replay) {
    std::FILE* in = openRegularFile(file.c_str());
    if (in == nullptr) {
        return false;
    }
    struct stat info {};
    const bool small = fstat(fileno(in), &info) == 0 && info.st_size <= off_t(maxReplayBytes);
    const off_t from = std::max(off_t(0), info.st_size - off_t(endsRead));
    std::string start(endsRead, '\0'), last(endsRead, '\0');
    start.resize(std::fread(&start[0], 1, start.size(), in));
    const bool read = small && fseeko(in, from, SEEK_SET) == 0;
    last.resize(read ? std::fread(&last[0], 1, last.size(), in) : 0);
    std::fclose(in);
    return read && parseReplay(headOf(start) + endLineOf(last, from == 0), replay);
}

}  // namespace vortimbal
