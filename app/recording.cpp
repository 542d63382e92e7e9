// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/recording.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <iostream>
#include <optional>

#include "app/replay.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "saves/high_scores.h"
#include "saves/replay_folder.h"
#include "saves/replay_writer.h"
#include "saves/settings.h"
#include "screens/notice.h"

namespace vortimbal {

namespace {

ReplayWriter runFile;   // the one --record names
ReplayWriter gameFile;  // the game now played, among the kept replays
bool runFileBroken = false;
// A game's replay starts with the whole run before it: the city carries over.
std::string runHead;
std::string runInputs;
std::size_t inputsRecorded = 0;
bool atLimits = false;
bool held = false;

void tellFailure(const ReplayWriter& writer) {
    std::cerr << "Cannot record to " << writer.name() << ": " << writer.error()
              << "; the recording is incomplete\n";
    showNotice("recording failed - " + writer.error());
}

// A replay plays an old run: only a run of its own is kept.
bool keepingRun() {
    return !runHead.empty() && !replaying() && !verifyingReplay && !atLimits &&
           !replayFolder.path().empty();
}

// The claim goes with the end only when the recording ends where the game
// stands: a recording stopped at its limits ends on a step already past.
std::string claimAt(long step) {
    return step == stepsTaken ? claimText(gameClaim()) : "";
}

std::string leafOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

void endAtLimits() {
    const long end = std::min(stepsTaken, maxReplaySteps);
    atLimits = true;
    runInputs.clear();
    if (gameFile.isOpen() && !gameFile.close(end, claimAt(end))) {
        tellFailure(gameFile);
    }
    if (runFile.isOpen()) {
        if (!runFile.close(end, claimAt(end))) {
            runFileBroken = true;
            tellFailure(runFile);
            return;
        }
        std::cout << "The recording has reached its limit of " << maxReplayInputs
                  << " inputs or a day of play; it ends at step " << end << '\n';
        showNotice("recording full - stopped");
    }
}

}  // namespace

void beginRun() {
    runHead = std::string(replayHeaders[1]) + "\ndifficulty " + difficultyName(chosenDifficulty) +
              (difficultyHeld ? heldNote : "") + '\n';
    runInputs.clear();
    inputsRecorded = 0;
    atLimits = false;
    held = false;
}

bool startRecording(const std::string& file, std::ostream& errors) {
    runFileBroken = false;
    if (runHead.empty()) {
        beginRun();
    }
    if (!runFile.open(file, runHead, false)) {
        errors << "Cannot record to " << file << ": " << runFile.error() << '\n';
        return false;
    }
    return true;
}

void recordInput(InputKind kind, int code, int value) {
    if (held || atLimits) {
        return;
    }
    // Stopped at the limits the reader holds to, so the files can be replayed.
    if (inputsRecorded == maxReplayInputs || stepsTaken > maxReplaySteps) {
        endAtLimits();
        return;
    }
    ++inputsRecorded;
    const std::string line = std::string(inputKindNames[int(kind)]) + ' ' + std::to_string(code) +
                             ' ' + std::to_string(value);
    if (runFile.isOpen() && !runFile.write(stepsTaken, line)) {
        runFileBroken = true;
        tellFailure(runFile);
    }
    if (gameFile.isOpen() && !gameFile.write(stepsTaken, line)) {
        tellFailure(gameFile);
    }
    if (keepingRun()) {
        runInputs += std::to_string(stepsTaken) + ' ' + line + '\n';
    }
}

void startGameRecording() {
    // A New Game in a watched replay is the replay's, not the player's.
    if (held) {
        return;
    }
    if (gameFile.isOpen() && !gameFile.closeBefore(stepsTaken, claimText(gameClaim()))) {
        tellFailure(gameFile);
    }
    if (!keepingRun() || !settings.recordGames) {
        return;
    }
    const std::string head = runHead + "game " + std::to_string(stepsTaken) + '\n' + runInputs;
    if (!replayFolder.create(gameFile, head, std::time(nullptr))) {
        std::cerr << "Cannot keep this game's replay in " << replayFolder.path() << ": "
                  << std::strerror(errno) << '\n';
        showNotice("this game's replay cannot be kept");
    }
    keepReplaysInBounds();
}

std::string endGameRecording() {
    if (held || !gameFile.isOpen()) {
        return "";
    }
    if (!gameFile.close(stepsTaken + 1, claimText(gameClaim()))) {
        tellFailure(gameFile);
        return "";
    }
    return leafOf(gameFile.name());
}

// Beyond the latest games, only the replays the table names stay; all stay
// while the table cannot be read, as it may name any.
void keepReplaysInBounds() {
    std::optional<std::vector<std::string>> kept = highScores.savedReplays();
    if (!kept) {
        return;
    }
    if (gameFile.isOpen()) {
        kept->push_back(leafOf(gameFile.name()));
    }
    replayFolder.prune(*kept);
}

void holdRecording(bool hold) {
    held = hold;
}

bool endRecording() {
    const long end = std::min(stepsTaken, maxReplaySteps);
    if (gameFile.isOpen()) {
        if (!gameFile.close(end, claimAt(end))) {
            tellFailure(gameFile);
        }
        keepReplaysInBounds();
    }
    if (runFile.isOpen() && !runFile.close(end, claimAt(end))) {
        runFileBroken = true;
        tellFailure(runFile);
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
