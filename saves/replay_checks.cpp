// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/replay_checks.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace vortimbal {

ReplayChecks replayChecks;

namespace {

bool claims(const Claim& claim, const Score& score) {
    return !claim.line.empty() && claim.score == score.points && claim.level == score.level &&
           claim.namesDifficulty && claim.difficulty == score.difficulty;
}

ReplayCheck verdict(int status) {
    const bool exited = WIFEXITED(status);
    return exited && WEXITSTATUS(status) == 0   ? ReplayCheck::Holds
           : exited && WEXITSTATUS(status) <= 2 ? ReplayCheck::Fails
                                                : ReplayCheck::Unchecked;
}

// The checker, quiet, in a process that dies with the game even when the game
// is killed (with the thread that starts it: the game's main one); a checker
// that cannot start exits with 127, found unchecked.
pid_t spawn(const std::string& checker, const std::string& path) {
    const char* argv[] = {checker.c_str(), "--verify", path.c_str(), nullptr};
    const pid_t game = getpid();
    const pid_t child = fork();
    if (child != 0) {
        return child;
    }
    // Between fork and exec only what is safe in a copy of a threaded process.
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, 1);
    dup2(quiet, 2);
    // The game may have ended before the signal was asked for.
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != game) {
        _exit(127);
    }
    execv(checker.c_str(), const_cast<char**>(argv));
    _exit(127);
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
        file.found = access(path.c_str(), F_OK) == 0;
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
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
        child = -1;
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
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    child = -1;
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
