// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <ctime>
#include <string>
#include <utility>
#include <vector>

namespace vortimbal {

class ReplayWriter;

// The folder where every game keeps its replay, named by when it started. Only
// regular files named as the game names them are ever listed or removed.
class ReplayFolder {
  public:
    // Besides those the high-score table names, the replays of this many of
    // the latest games are kept.
    static constexpr int lastKept = 5;

    // $XDG_DATA_HOME/vortimbal3/replays, else ~/.local/share/vortimbal3/replays;
    // empty when neither can be found.
    static std::string defaultPath(const char* xdgDataHome, const char* home);
    // YYYY-MM-DD-HHMMSS-N.replay, N from 1 to 9.
    static bool isReplayName(const std::string& name);

    explicit ReplayFolder(std::string path = "") : folder(std::move(path)) {}
    const std::string& path() const { return folder; }
    std::string pathOf(const std::string& name) const { return folder + '/' + name; }

    // Opens a new replay for a game started at `now`, making the folder first,
    // never over another game's. False with errno set when it cannot.
    bool create(ReplayWriter& writer, const std::string& head, std::time_t now) const;
    // The replays here, the latest first.
    std::vector<std::string> latestFirst() const;
    // Removes every replay but the latest, those named in `kept` and those the
    // player keeps.
    void prune(const std::vector<std::string>& kept) const;
    // A replay the player keeps is never removed: an empty NAME.kept beside it
    // says so. False with errno set when the mark cannot be made or taken away.
    bool keep(const std::string& name, bool kept) const;
    bool isKept(const std::string& name) const;

  private:
    std::string folder;
};

// Where this run's games keep their replays; empty when they keep none.
extern ReplayFolder replayFolder;

}  // namespace vortimbal
