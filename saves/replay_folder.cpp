// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/replay_folder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <functional>

#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/safe_file.h"
#include "saves/replay_writer.h"
#include "saves/xdg_folder.h"

namespace vortimbal {

ReplayFolder replayFolder;

namespace {

// 'd' stands for a digit.
constexpr char namePattern[] = "dddd-dd-dd-dddddd-d.replay";
constexpr int namesPerSecond = 9;

std::string nameFor(std::time_t when, int count) {
    std::tm local{};
    localTime(when, local);
    char text[sizeof namePattern];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
    return std::string(text) + '-' + char('0' + count) + ".replay";
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
    if (folder.empty()) {
        return names;
    }
    for (const std::string& name : namesIn(folder)) {
        // Only what the game itself writes: a regular file.
        if (isReplayName(name) && isRegularFile(pathOf(name))) {
            names.push_back(name);
        }
    }
    // The names read as the time each game started.
    std::sort(names.begin(), names.end(), std::greater<>());
    return names;
}

void ReplayFolder::prune(const std::vector<std::string>& kept) const {
    const std::vector<std::string> names = latestFirst();
    for (std::size_t i = lastKept; i < names.size(); ++i) {
        if (std::find(kept.begin(), kept.end(), names[i]) == kept.end() && !isKept(names[i]) &&
            !mustStay(pathOf(names[i]))) {
            removeFile(pathOf(names[i]));
        }
    }
}

bool ReplayFolder::keep(const std::string& name, bool kept) const {
    const std::string mark = pathOf(name) + ".kept";
    if (!kept) {
        return removeFile(mark) || errno == ENOENT;
    }
    if (isRegularFile(mark)) {
        return true;
    }
    std::FILE* file = createNewFile(mark, true);
    return file != nullptr && std::fclose(file) == 0;
}

bool ReplayFolder::isKept(const std::string& name) const {
    return !folder.empty() && exists(pathOf(name) + ".kept");
}

}  // namespace vortimbal
