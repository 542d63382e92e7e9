// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/replay_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <functional>

#include "saves/replay_writer.h"
#include "saves/safe_file.h"
#include "saves/xdg_folder.h"

namespace vortimbal {

ReplayFolder replayFolder;

namespace {

// 'd' stands for a digit.
constexpr char namePattern[] = "dddd-dd-dd-dddddd-d.replay";
constexpr int namesPerSecond = 9;

std::string nameFor(std::time_t when, int count) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[sizeof namePattern];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
    return std::string(text) + '-' + char('0' + count) + ".replay";
}

// A game still playing holds a lock on its replay, in this run or another;
// what is no regular file is not the game's. Opened without waiting, so a FIFO
// put in its place since it was listed cannot hold the game.
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

bool isRegularFile(DIR* dir, const char* name) {
    struct stat info {};
    return fstatat(dirfd(dir), name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string ReplayFolder::defaultPath(const char* xdgDataHome, const char* home) {
    return xdgFile(xdgDataHome, home, ".local/share", "replays");
}

bool ReplayFolder::isReplayName(const std::string& name) {
    if (name.size() != sizeof namePattern - 1) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(name[i])) != 0;
        if (namePattern[i] == 'd' ? !digit : name[i] != namePattern[i]) {
            return false;
        }
    }
    return true;
}

bool ReplayFolder::create(ReplayWriter& writer, const std::string& head, std::time_t now) const {
    if (folder.empty() || !makeParentFolders(pathOf("x"))) {
        return false;
    }
    // Two games started in one second take the next number.
    for (int count = 1; count <= namesPerSecond; ++count) {
        if (writer.open(pathOf(nameFor(now, count)), head, true) || errno != EEXIST) {
            return writer.isOpen();
        }
    }
    return false;
}

std::vector<std::string> ReplayFolder::latestFirst() const {
    std::vector<std::string> names;
    DIR* dir = folder.empty() ? nullptr : opendir(folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        // Only what the game itself writes: a regular file.
        if (isReplayName(entry->d_name) && isRegularFile(dir, entry->d_name)) {
            names.emplace_back(entry->d_name);
        }
    }
    closedir(dir);
    // The names read as the time each game started.
    std::sort(names.begin(), names.end(), std::greater<>());
    return names;
}

void ReplayFolder::prune(const std::vector<std::string>& kept) const {
    const std::vector<std::string> names = latestFirst();
    for (std::size_t i = lastKept; i < names.size(); ++i) {
        if (std::find(kept.begin(), kept.end(), names[i]) == kept.end() && !isKept(names[i]) &&
            !mustStay(pathOf(names[i]))) {
            unlink(pathOf(names[i]).c_str());
        }
    }
}

bool ReplayFolder::keep(const std::string& name, bool kept) const {
    const std::string mark = pathOf(name) + ".kept";
    if (!kept) {
        return unlink(mark.c_str()) == 0 || errno == ENOENT;
    }
    const int fd = open(mark.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    close(fd);
    return true;
}

bool ReplayFolder::isKept(const std::string& name) const {
    return !folder.empty() && access((pathOf(name) + ".kept").c_str(), F_OK) == 0;
}

}  // namespace vortimbal
