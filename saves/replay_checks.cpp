// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/replay_checks.h"

#include "platform/folders.h"
#include "platform/processes.h"

namespace vortimbal {

ReplayChecks replayChecks;

namespace {

bool claims(const Claim& claim, const Score& score) {
    return !claim.line.empty() && claim.score == score.points && claim.level == score.level &&
           claim.namesDifficulty && claim.difficulty == score.difficulty;
}

ReplayCheck verdict(int status) {
    return status == 0   ? ReplayCheck::Holds
           : status <= 2 ? ReplayCheck::Fails
                         : ReplayCheck::Unchecked;
}

// The checker, quiet, in a process that dies with the game even when the game
// is killed; a checker that cannot start exits with 127, found unchecked.
ChildId spawn(const std::string& checker, const std::string& path) {
    return startQuietChild(checker, {"--verify", path});
}

}  // namespace

void ReplayChecks::setChecker(std::string program, std::chrono::milliseconds timeLimit) {
    checker = std::move(program);
    limit = timeLimit;
}

// Read once a run, from its head and its claim alone, so a long one costs the page nothing.
ReplayChecks::Kept& ReplayChecks::kept(const std::string& path) {
    const auto [at, isNew] = files.try_emplace(path);
    Kept& file = at->second;
    if (isNew) {
        Replay replay;
        file.found = exists(path);
        file.claim = readReplayEnds(path, replay) ? replay.claim : Claim();
        file.played = checker.empty() ? ReplayCheck::Unchecked : ReplayCheck::Checking;
    }
    return file;
}

ReplayCheck ReplayChecks::of(const Score& score, const std::string& folder) {
    if (score.replay.empty()) {
        return ReplayCheck::NoReplay;
    }
    Kept& file = kept(folder + '/' + score.replay);
    if (!file.found) {
        return ReplayCheck::NoReplay;
    }
    if (!claims(file.claim, score)) {
        return ReplayCheck::Fails;
    }
    if (!file.asked) {
        file.asked = true;
        startNext();
    }
    return file.played;
}

void ReplayChecks::poll() {
    if (child < 0) {
        return;
    }
    const int status = childStatus(child);
    if (status >= 0) {
        child = noChild;
        files[running].played = verdict(status);
    } else if (std::chrono::steady_clock::now() >= deadline) {
        stop();
        files[running].played = ReplayCheck::TimedOut;
    } else {
        return;
    }
    startNext();
}

void ReplayChecks::stop() {
    if (child < 0) {
        return;
    }
    endChild(child);
    child = noChild;
}

void ReplayChecks::startNext() {
    if (child >= 0) {
        return;
    }
    for (auto& [path, file] : files) {
        if (!file.asked || file.played != ReplayCheck::Checking) {
            continue;
        }
        running = path;
        deadline = std::chrono::steady_clock::now() + limit;
        child = spawn(checker, path);
        if (child >= 0) {
            return;
        }
        file.played = ReplayCheck::Unchecked;
    }
}

}  // namespace vortimbal
