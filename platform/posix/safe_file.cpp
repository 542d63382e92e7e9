// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace vortimbal {

namespace {

constexpr int lockTries = 200;
constexpr std::chrono::milliseconds lockPause(10);
// More kept-aside copies than anyone will clear by hand: beyond it, nothing is saved.
constexpr int maxCopies = 1000;
// As the kernel counts them: a longer chain of links is a loop.
constexpr int maxLinks = 40;
// Named so that no file of the player's (say "scores.backup") looks like one.
const std::string savingTag = ".saving-";
const std::string temporaryTail = savingTag + "XXXXXX";  // mkstemp's six random letters

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

// The file a chain of symlinks ends at, so a player's link outlives the rename;
// `name` itself when it is no link. Empty, with errno set, for a loop.
std::string throughLinks(std::string name) {
    for (int links = 0; links < maxLinks; ++links) {
        struct stat info {};
        char target[4096];
        ssize_t size = 0;
        if (lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode) ||
            (size = readlink(name.c_str(), target, sizeof target)) <= 0 ||
            std::size_t(size) == sizeof target) {
            return name;
        }
        const std::string link(target, std::size_t(size));
        name = link[0] == '/' ? link : folderOf(name) + "/" + link;
    }
    errno = ELOOP;
    return "";
}

// Removes the temporaries of `name` that a save killed midway left behind. The
// caller holds the file's lock, so no other game is writing one now.
void removeStaleTemporaries(const std::string& name) {
    const std::string folder = folderOf(name);
    const std::string leaf = name.substr(name.rfind('/') + 1) + savingTag;
    DIR* entries = opendir(folder.c_str());
    for (dirent* entry; entries != nullptr && (entry = readdir(entries)) != nullptr;) {
        const std::string found = entry->d_name;
        if (found.size() != leaf.size() + temporaryTail.size() - savingTag.size() ||
            found.compare(0, leaf.size(), leaf) != 0 ||
            !std::all_of(found.begin() + long(leaf.size()), found.end(),
                         [](char c) { return std::isalnum((unsigned char)c) != 0; })) {
            continue;
        }
        struct stat info {};
        const std::string path = folder + "/" + found;
        if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            unlink(path.c_str());
        }
    }
    if (entries != nullptr) {
        closedir(entries);
    }
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
    for (int tries = 1; fd >= 0 && flock(int(fd), LOCK_EX | LOCK_NB) != 0; ++tries) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || tries == lockTries) {
            const int error = errno;
            close(int(fd));
            fd = -1;
            errno = error;
            break;
        }
        std::this_thread::sleep_for(lockPause);
    }
}

FileLock::~FileLock() {
    if (fd >= 0) {
        close(int(fd));
    }
}

bool replaceFile(const std::string& link, const std::string& text) {
    const std::string name = throughLinks(link);
    if (name.empty()) {
        return false;
    }
    removeStaleTemporaries(name);
    // A fresh name made exclusively, so no planted file or symlink is written through.
    std::string temporary = name + temporaryTail;
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

std::FILE* createNewFile(const std::string& name, bool privateToPlayer) {
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        privateToPlayer ? 0600 : 0644);
    std::FILE* file = fd < 0 ? nullptr : fdopen(fd, "wb");
    if (file == nullptr && fd >= 0) {
        const int error = errno;
        close(fd);
        unlink(name.c_str());
        errno = error;
    }
    return file;
}

std::FILE* openHeldForWriting(const std::string& name, bool fresh) {
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (fresh ? O_EXCL | O_NOFOLLOW : O_TRUNC);
    const int fd = open(name.c_str(), flags, 0644);
    if (fd >= 0) {
        flock(fd, LOCK_SH | LOCK_NB);
    }
    std::FILE* file = fd < 0 ? nullptr : fdopen(fd, "w");
    if (file == nullptr && fd >= 0) {
        const int error = errno;
        close(fd);
        errno = error;
    }
    return file;
}

// Opened without waiting, so a FIFO put in its place cannot hold the game.
bool mustStay(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool stays = fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
                       (flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK);
    close(fd);
    return stays;
}

bool cutShort(std::FILE* file, long size) {
    return ftruncate(fileno(file), size) == 0;
}

bool removeFile(const std::string& name) {
    return unlink(name.c_str()) == 0;
}

}  // namespace vortimbal
