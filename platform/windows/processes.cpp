// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/processes.h"

#include <windows.h>

namespace vortimbal {

namespace {

constexpr int cannotStart = 127;

// As the runtime's parser reads it back: quoted, with backslashes doubled
// only before a quote.
std::string quoted(const std::string& argument) {
    std::string text = "\"";
    std::size_t slashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        text.append(c == '"' ? 2 * slashes + 1 : slashes, '\\');
        text += c;
        slashes = 0;
    }
    text.append(2 * slashes, '\\');
    return text + '"';
}

std::string commandLine(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = quoted(program);
    for (const std::string& argument : arguments) {
        line += ' ' + quoted(argument);
    }
    return line;
}

// Every child is put in it; it closes, killing them, when the game ends however it ends.
HANDLE childrenJob() {
    static const HANDLE job = [] {
        const HANDLE made = CreateJobObjectA(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return made;
    }();
    return job;
}

HANDLE start(const std::string& program, const std::vector<std::string>& arguments, HANDLE output) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process{};
    std::string line = commandLine(program, arguments);
    if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, TRUE,
                        CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr, nullptr, &startup,
                        &process)) {
        return nullptr;
    }
    AssignProcessToJobObject(childrenJob(), process.hProcess);
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    return process.hProcess;
}

int exitStatus(HANDLE process) {
    DWORD code = cannotStart;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return int(code & 0xff);
}

}  // namespace

ChildId startQuietChild(const std::string& program, const std::vector<std::string>& arguments) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE quiet = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     &inherited, OPEN_EXISTING, 0, nullptr);
    const HANDLE child = start(program, arguments, quiet);
    CloseHandle(quiet);
    return child == nullptr ? noChild : ChildId(child);
}

int childStatus(ChildId child) {
    const HANDLE process = HANDLE(child);
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0 ? exitStatus(process) : -1;
}

void endChild(ChildId child) {
    const HANDLE process = HANDLE(child);
    TerminateProcess(process, 128 + 9);
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
}

int runToEnd(const std::string& program, const std::vector<std::string>& arguments,
             std::string& said, std::size_t keep) {
    said.clear();
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) {
        return cannotStart;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    const HANDLE child = start(program, arguments, writeEnd);
    CloseHandle(writeEnd);
    // Read to its end: a pipe left full would stall the child.
    char chunk[4096];
    DWORD got = 0;
    while (child != nullptr && ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) {
        said.append(chunk, got);
        if (said.size() > 2 * keep) {
            said.erase(0, said.size() - keep);
        }
    }
    CloseHandle(readEnd);
    if (child == nullptr) {
        return cannotStart;
    }
    WaitForSingleObject(child, INFINITE);
    return exitStatus(child);
}

}  // namespace vortimbal
