// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/safe_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace vortimbal {

namespace {

constexpr int lockTries = 200;
constexpr std::chrono::milliseconds lockPause(10);
// More kept-aside copies than anyone will clear by hand: beyond it, nothing is saved.
constexpr int maxCopies = 1000;

bool writeAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno != EINTR) {
            return false;
        }
        done += wrote > 0 ? std::size_t(wrote) : 0;
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool makeParentFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        if (mkdir(path.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

FileLock::FileLock(const std::string& name)
    : fd(open(name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)) {
    // Waiting for ever on a stuck game would freeze this one at Game Over.
    for (int tries = 1; fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0; ++tries) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || tries == lockTries) {
            const int error = errno;
            close(fd);
            fd = -1;
            errno = error;
            break;
        }
        std::this_thread::sleep_for(lockPause);
    }
}

FileLock::~FileLock() {
    if (fd >= 0) {
        close(fd);
    }
}

bool replaceFile(const std::string& name, const std::string& text) {
    // A fresh name made exclusively, so no planted file or symlink is written through.
    std::string temporary = name + ".XXXXXX";
    const int fd = mkstemp(&temporary[0]);
    if (fd < 0) {
        return false;
    }
    bool done = writeAll(fd, text) && fsync(fd) == 0;
    done = close(fd) == 0 && done;
    if (!done || std::rename(temporary.c_str(), name.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        errno = error;
        return false;
    }
    // The rename itself lasts only once the folder is on disk. The new file is
    // in place by now, so a folder that cannot be synced is not a failure.
    const int folder = open(folderOf(name).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return true;
}

std::string keepAside(const std::string& name) {
    for (int n = 0; n < maxCopies; ++n) {
        const std::string copy = name + ".damaged" + (n == 0 ? "" : "." + std::to_string(n));
        // Claimed exclusively first, so the rename replaces no earlier copy.
        const int fd = open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) {
            continue;
        }
        if (fd < 0) {
            return "";
        }
        close(fd);
        if (std::rename(name.c_str(), copy.c_str()) == 0) {
            return copy;
        }
        const int error = errno;
        unlink(copy.c_str());
        errno = error;
        return "";
    }
    return "";
}

}  // namespace vortimbal
