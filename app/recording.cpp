// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/recording.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <iostream>
#include <optional>
#include <utility>

#include "app/replay.h"
#include "app/run_snapshot.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "saves/high_scores.h"
#include "saves/replay_folder.h"
#include "saves/replay_writer.h"
#include "saves/settings.h"
#include "screens/notice.h"

namespace vortimbal {

namespace {

// A replay being written, and how much of what its reader takes it has used.
struct Recording {
    ReplayWriter writer;
    long firstStep = 0;
    std::size_t inputs = 0;

    bool full() const {
        return inputs == maxReplayInputs || stepsTaken - firstStep > maxReplaySteps;
    }
    // The step it ends at: where the run stands, or the last its reader takes.
    long lastStep() const { return std::min(stepsTaken, firstStep + maxReplaySteps); }
};

Recording runFile;   // the one --record names
Recording gameFile;  // the game now played, among the kept replays
bool runFileBroken = false;
std::string runHead;
// A game started in this step: its replay opens once the step is over.
bool gameStarting = false;
bool held = false;

void tellFailure(const ReplayWriter& writer) {
    std::cerr << "Cannot record to " << writer.name() << ": " << writer.error()
              << "; the recording is incomplete\n";
    showNotice("recording failed - " + writer.error());
}

// A replay plays an old run: only a run of its own is kept.
bool keepingRun() {
    return !runHead.empty() && !replaying() && !verifyingReplay && !replayFolder.path().empty();
}

// The claim goes with the end only when the recording ends where the game
// stands: a recording stopped at its limits ends on a step already past.
std::string claimAt(long step) {
    return step == stepsTaken ? claimText(gameClaim()) : "";
}

std::string leafOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// Ends a recording where it stands; false when it could not be written whole.
bool finish(Recording& recording) {
    const long end = recording.lastStep();
    if (!recording.writer.close(end, claimAt(end))) {
        tellFailure(recording.writer);
        return false;
    }
    return true;
}

void endAtLimits(Recording& recording) {
    if (!finish(recording)) {
        runFileBroken = runFileBroken || &recording == &runFile;
        return;
    }
    std::cout << "The recording " << recording.writer.name() << " has reached its limit of "
              << maxReplayInputs << " inputs or a day of play; it ends at step "
              << recording.lastStep() << '\n';
    showNotice("recording full - stopped");
}

// Ends the game's replay after `end` with its claim, taking back the inputs
// stamped `end` when the run went on past the game in that step. A game longer
// than its reader takes ends at the limit, claiming nothing.
bool closeGame(long end, bool takingBack) {
    if (end - gameFile.firstStep > maxReplaySteps) {
        return finish(gameFile);
    }
    const std::string claim = claimText(gameClaim());
    ReplayWriter& writer = gameFile.writer;
    if (takingBack ? writer.closeBefore(end, claim) : writer.close(end, claim)) {
        return true;
    }
    tellFailure(writer);
    return false;
}

void record(Recording& recording, const std::string& line) {
    if (!recording.writer.isOpen()) {
        return;
    }
    // Stopped at the limits the reader holds to, so the files can be replayed.
    if (recording.full()) {
        endAtLimits(recording);
        return;
    }
    ++recording.inputs;
    if (!recording.writer.write(stepsTaken, line)) {
        runFileBroken = runFileBroken || &recording == &runFile;
        tellFailure(recording.writer);
    }
}

}  // namespace

void beginRun() {
    runHead = std::string(replayHeader(rulesMaths, false)) + "\ndifficulty " +
              difficultyName(chosenDifficulty) + (difficultyHeld ? heldNote : "") + '\n';
    runFile.inputs = 0;
    gameStarting = false;
    held = false;
}

bool startRecording(const std::string& file, std::ostream& errors) {
    runFileBroken = false;
    if (runHead.empty()) {
        beginRun();
    }
    if (!runFile.writer.open(file, runHead, false)) {
        errors << "Cannot record to " << file << ": " << runFile.writer.error() << '\n';
        return false;
    }
    return true;
}

void recordInput(InputKind kind, int code, int value) {
    if (held) {
        return;
    }
    const std::string line = std::string(inputKindNames[int(kind)]) + ' ' + std::to_string(code) +
                             ' ' + std::to_string(value);
    record(runFile, line);
    record(gameFile, line);
}

void startGameRecording() {
    // A New Game in a watched replay is the replay's, not the player's.
    if (held) {
        return;
    }
    if (gameFile.writer.isOpen()) {
        closeGame(stepsTaken, true);
    }
    gameStarting = keepingRun() && settings.recordGames;
}

// Once the step is over nothing of it is half done: the snapshot holds it all.
void openGameRecording() {
    if (!std::exchange(gameStarting, false) || held) {
        return;
    }
    const std::string snapshot = snapshotOfRun(*gameWorld);
    const std::string head =
        std::string(replayHeader(rulesMaths, true)) + "\ndifficulty " +
        difficultyName(chosenDifficulty) + (difficultyHeld ? heldNote : "") + "\ngame " +
        std::to_string(stepsTaken) + "\nsnapshot " + std::to_string(snapshotVersion) + ' ' +
        std::to_string(std::count(snapshot.begin(), snapshot.end(), '\n')) + '\n' + snapshot;
    gameFile.firstStep = stepsTaken;
    gameFile.inputs = 0;
    if (!replayFolder.create(gameFile.writer, head, std::time(nullptr))) {
        std::cerr << "Cannot keep this game's replay in " << replayFolder.path() << ": "
                  << std::strerror(errno) << '\n';
        showNotice("this game's replay cannot be kept");
    }
    keepReplaysInBounds();
}

std::string endGameRecording() {
    if (held || !gameFile.writer.isOpen()) {
        return "";
    }
    return closeGame(stepsTaken + 1, false) ? leafOf(gameFile.writer.name()) : "";
}

// Beyond the latest games, only the replays the table names stay; all stay
// while the table cannot be read, as it may name any.
void keepReplaysInBounds() {
    std::optional<std::vector<std::string>> kept = highScores.savedReplays();
    if (!kept) {
        return;
    }
    if (gameFile.writer.isOpen()) {
        kept->push_back(leafOf(gameFile.writer.name()));
    }
    replayFolder.prune(*kept);
}

void holdRecording(bool hold) {
    held = hold;
}

bool endRecording() {
    gameStarting = false;
    if (gameFile.writer.isOpen()) {
        finish(gameFile);
        keepReplaysInBounds();
    }
    if (runFile.writer.isOpen() && !finish(runFile)) {
        runFileBroken = true;
    }
    return !runFileBroken;
}

std::string summaryLine() {
    return closingLine(level, gameWorld->score(), gameWorld->goodLeft() - 1,
                       gameWorld->badGuysLeft());
}

Claim gameClaim() {
    Claim claim;
    claim.line = summaryLine();
    claim.level = level;
    claim.score = gameWorld->score();
    claim.namesDifficulty = true;
    claim.difficulty = gameWorld->getDifficulty();
    return claim;
}

}  // namespace vortimbal
