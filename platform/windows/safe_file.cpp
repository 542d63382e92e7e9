// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/safe_file.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <thread>

#include "platform/folders.h"

namespace vortimbal {

namespace {

constexpr int lockTries = 200;
constexpr std::chrono::milliseconds lockPause(10);
constexpr int maxCopies = 1000;
const std::string savingTag = ".saving-";
constexpr std::size_t randomLetters = 6;
// Others may read and write while we hold it, not delete it.
constexpr DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;

int errnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return ENOENT;
        case ERROR_LOCK_VIOLATION:
            return EWOULDBLOCK;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return EACCES;
        default:
            return EIO;
    }
}

bool failed() {
    errno = errnoOf(GetLastError());
    return false;
}

std::FILE* asFile(HANDLE handle, const char* mode) {
    if (handle == INVALID_HANDLE_VALUE) {
        failed();
        return nullptr;
    }
    const int fd = _open_osfhandle(intptr_t(handle), _O_BINARY);
    std::FILE* file = fd < 0 ? nullptr : _fdopen(fd, mode);
    if (file == nullptr) {
        fd < 0 ? CloseHandle(handle) : _close(fd);
        errno = EIO;
    }
    return file;
}

bool isRandomTail(const std::string& tail) {
    if (tail.size() != randomLetters) {
        return false;
    }
    for (const char c : tail) {
        if (!std::isalnum((unsigned char)c)) {
            return false;
        }
    }
    return true;
}

// The caller holds the file's lock, so no other game is writing one now.
void removeStaleTemporaries(const std::string& name) {
    const std::size_t slash = name.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "." : name.substr(0, slash);
    const std::string leaf = name.substr(slash + 1) + savingTag;
    for (const std::string& found : namesIn(folder)) {
        if (found.compare(0, leaf.size(), leaf) == 0 && isRandomTail(found.substr(leaf.size())) &&
            isRegularFile(folder + "/" + found)) {
            DeleteFileA((folder + "/" + found).c_str());
        }
    }
}

std::string randomTail() {
    static std::mt19937 letters(std::random_device{}() ^ GetCurrentProcessId());
    const char pool[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string tail;
    for (std::size_t i = 0; i < randomLetters; ++i) {
        tail += pool[letters() % (sizeof pool - 1)];
    }
    return tail;
}

}  // namespace

bool makeParentFolders(const std::string& path) {
    // A drive ("C:") or the root is there already.
    std::size_t from = path.size() > 2 && path[1] == ':' ? 3 : 1;
    for (std::size_t slash = path.find_first_of("/\\", from); slash != std::string::npos;
         slash = path.find_first_of("/\\", slash + 1)) {
        if (!makeFolder(path.substr(0, slash))) {
            return false;
        }
    }
    return true;
}

FileLock::FileLock(const std::string& name) : fd(-1) {
    const HANDLE file = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, sharing, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        failed();
        return;
    }
    // Waiting for ever on a stuck game would freeze this one at Game Over.
    for (int tries = 1;; ++tries) {
        OVERLAPPED at{};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
            fd = std::intptr_t(file);
            return;
        }
        if (GetLastError() != ERROR_LOCK_VIOLATION || tries == lockTries) {
            failed();
            CloseHandle(file);
            return;
        }
        std::this_thread::sleep_for(lockPause);
    }
}

FileLock::~FileLock() {
    if (fd >= 0) {
        CloseHandle(HANDLE(fd));
    }
}

bool replaceFile(const std::string& name, const std::string& text) {
    removeStaleTemporaries(name);
    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    // A fresh name made exclusively, so no planted file is written through.
    for (int tries = 0; file == INVALID_HANDLE_VALUE && tries < 100; ++tries) {
        temporary = name + savingTag + randomTail();
        file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            return failed();
        }
    }
    if (file == INVALID_HANDLE_VALUE) {
        return failed();
    }
    DWORD wrote = 0;
    bool done =
        text.empty() ||
        (WriteFile(file, text.data(), DWORD(text.size()), &wrote, nullptr) && wrote == text.size());
    done = FlushFileBuffers(file) && done;
    done = CloseHandle(file) && done;
    if (!done || !MoveFileExA(temporary.c_str(), name.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const int error = errnoOf(GetLastError());
        DeleteFileA(temporary.c_str());
        errno = error;
        return false;
    }
    return true;
}

std::string keepAside(const std::string& name) {
    for (int n = 0; n < maxCopies; ++n) {
        const std::string copy = name + ".damaged" + (n == 0 ? "" : "." + std::to_string(n));
        // Claimed exclusively first, so the move replaces no earlier copy.
        const HANDLE claim = CreateFileA(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
        if (claim == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) {
            continue;
        }
        if (claim == INVALID_HANDLE_VALUE) {
            failed();
            return "";
        }
        CloseHandle(claim);
        if (MoveFileExA(name.c_str(), copy.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            return copy;
        }
        const int error = errnoOf(GetLastError());
        DeleteFileA(copy.c_str());
        errno = error;
        return "";
    }
    return "";
}

std::FILE* createNewFile(const std::string& name, bool) {
    return asFile(CreateFileA(name.c_str(), GENERIC_WRITE, sharing, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr),
                  "wb");
}

std::FILE* openHeldForWriting(const std::string& name, bool fresh) {
    const HANDLE file =
        CreateFileA(name.c_str(), GENERIC_WRITE, sharing, nullptr,
                    fresh ? CREATE_NEW : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        OVERLAPPED at{};
        LockFileEx(file, LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at);
    }
    return asFile(file, "wb");
}

bool mustStay(const std::string& path) {
    if (!isRegularFile(path)) {
        return exists(path);
    }
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_SHARING_VIOLATION;
    }
    OVERLAPPED at{};
    const bool held =
        !LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at);
    CloseHandle(file);
    return held;
}

bool cutShort(std::FILE* file, long size) {
    return std::fflush(file) == 0 && _chsize(_fileno(file), size) == 0;
}

bool removeFile(const std::string& name) {
    return DeleteFileA(name.c_str()) || failed();
}

}  // namespace vortimbal
