// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/replay_verdict.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace vortimbal {

namespace {

constexpr int cannotStart = 127;

std::string lastLine(std::string said) {
    while (!said.empty() && said.back() == '\n') {
        said.pop_back();
    }
    return said.substr(said.rfind('\n') + 1);
}

// Everything the checker writes, to its end; a pipe left full would stall it.
std::string readAll(int from) {
    std::string said;
    char chunk[4096];
    for (;;) {
        const ssize_t got = read(from, chunk, sizeof chunk);
        if (got > 0) {
            // Only the tail is told: a huge output must not grow without bound.
            said.append(chunk, std::size_t(got));
            if (said.size() > 2 * sizeof chunk) {
                said.erase(0, said.size() - sizeof chunk);
            }
        } else if (got == 0 || errno != EINTR) {
            return said;
        }
    }
}

}  // namespace

ReplayVerdict verifyInProcess(const std::string& checker, const std::string& file) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return {cannotStart, "cannot start a check"};
    }
    const char* argv[] = {checker.c_str(), "--verify", file.c_str(), nullptr};
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], 1);
        dup2(pipeEnds[1], 2);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execv(checker.c_str(), const_cast<char**>(argv));
        _exit(cannotStart);
    }
    close(pipeEnds[1]);
    const std::string said = child > 0 ? readAll(pipeEnds[0]) : "";
    close(pipeEnds[0]);
    int status = 0;
    while (child > 0 && waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (child < 0) {
        return {cannotStart, "cannot start a check"};
    }
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), lastLine(said)};
}

}  // namespace vortimbal
