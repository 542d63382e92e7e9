// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/replay_verdict.h"

#include "platform/processes.h"

namespace vortimbal {

namespace {

constexpr std::size_t tailKept = 4096;

std::string lastLine(std::string said) {
    while (!said.empty() && said.back() == '\n') {
        said.pop_back();
    }
    return said.substr(said.rfind('\n') + 1);
}

}  // namespace

ReplayVerdict verifyInProcess(const std::string& checker, const std::string& file) {
    std::string said;
    const int status = runToEnd(checker, {"--verify", file}, said, tailKept);
    return {status, status == 127 && said.empty() ? "cannot start a check" : lastLine(said)};
}

}  // namespace vortimbal
