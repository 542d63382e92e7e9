// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/processes.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace vortimbal {

namespace {

constexpr int cannotStart = 127;

// Made before the fork: after it only what is safe in a copy of a threaded process.
std::vector<const char*> argumentList(const std::string& program,
                                      const std::vector<std::string>& arguments) {
    std::vector<const char*> list{program.c_str()};
    for (const std::string& argument : arguments) {
        list.push_back(argument.c_str());
    }
    list.push_back(nullptr);
    return list;
}

int statusOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

// Dies with the thread that starts it (the game's main one).
ChildId startQuietChild(const std::string& program, const std::vector<std::string>& arguments) {
    const std::vector<const char*> argv = argumentList(program, arguments);
    const pid_t game = getpid();
    const pid_t child = fork();
    if (child != 0) {
        return child < 0 ? noChild : child;
    }
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, 1);
    dup2(quiet, 2);
    // The game may have ended before the signal was asked for.
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != game) {
        _exit(cannotStart);
    }
    execv(program.c_str(), const_cast<char**>(argv.data()));
    _exit(cannotStart);
}

int childStatus(ChildId child) {
    int status = 0;
    return waitpid(pid_t(child), &status, WNOHANG) == pid_t(child) ? statusOf(status) : -1;
}

void endChild(ChildId child) {
    kill(pid_t(child), SIGKILL);
    waitpid(pid_t(child), nullptr, 0);
}

int runToEnd(const std::string& program, const std::vector<std::string>& arguments,
             std::string& said, std::size_t keep) {
    said.clear();
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return cannotStart;
    }
    const std::vector<const char*> argv = argumentList(program, arguments);
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], 1);
        dup2(pipeEnds[1], 2);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execv(program.c_str(), const_cast<char**>(argv.data()));
        _exit(cannotStart);
    }
    close(pipeEnds[1]);
    // Read to its end: a pipe left full would stall the child.
    char chunk[4096];
    for (ssize_t got; child > 0 && ((got = read(pipeEnds[0], chunk, sizeof chunk)) > 0 ||
                                    (got < 0 && errno == EINTR));) {
        said.append(chunk, got > 0 ? std::size_t(got) : 0);
        if (said.size() > 2 * keep) {
            said.erase(0, said.size() - keep);
        }
    }
    close(pipeEnds[0]);
    int status = 0;
    while (child > 0 && waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return child < 0 ? cannotStart : statusOf(status);
}

}  // namespace vortimbal
