// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/replay_checks.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "saves/replay_file.h"

extern char** environ;

namespace vortimbal {

ReplayChecks replayChecks;

namespace {

bool claims(const Claim& claim, const Score& score) {
    return !claim.line.empty() && claim.score == score.points && claim.level == score.level &&
           claim.namesDifficulty && claim.difficulty == score.difficulty;
}

}  // namespace

ReplayCheck ReplayChecks::of(const Score& score, const std::string& folder) {
    if (score.replay.empty()) {
        return ReplayCheck::NoReplay;
    }
    const std::string path = folder + '/' + score.replay;
    const auto known = found.find(path);
    if (known != found.end()) {
        return known->second;
    }
    Replay replay;
    ReplayCheck check = ReplayCheck::Checking;
    if (access(path.c_str(), F_OK) != 0) {
        check = ReplayCheck::NoReplay;
    } else if (!readReplayEnds(path, replay) || !claims(replay.claim, score)) {
        check = ReplayCheck::Fails;
    } else if (checker.empty()) {
        check = ReplayCheck::Unchecked;
    }
    found[path] = check;
    if (child < 0) {
        startNext();
    }
    return check;
}

void ReplayChecks::poll() {
    int status = 0;
    if (child < 0 || waitpid(child, &status, WNOHANG) != child) {
        return;
    }
    child = -1;
    const bool exited = WIFEXITED(status);
    found[running] = exited && WEXITSTATUS(status) == 0   ? ReplayCheck::Holds
                     : exited && WEXITSTATUS(status) <= 2 ? ReplayCheck::Fails
                                                          : ReplayCheck::Unchecked;
    startNext();
}

void ReplayChecks::startNext() {
    for (const auto& [path, check] : found) {
        if (check != ReplayCheck::Checking) {
            continue;
        }
        running = path;
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        const char* argv[] = {checker.c_str(), "--verify", path.c_str(), nullptr};
        const int failed = posix_spawn(&child, checker.c_str(), &quiet, nullptr,
                                       const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&quiet);
        if (failed != 0) {
            child = -1;
            found[path] = ReplayCheck::Unchecked;
            continue;
        }
        return;
    }
}

}  // namespace vortimbal
