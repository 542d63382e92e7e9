// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "game/difficulty.h"

namespace vortimbal {

struct Score {
    int points = 0;
    int level = 0;
    std::string date;  // YYYY-MM-DD
    Difficulty difficulty = Difficulty::Normal;
    // The name of its replay among the kept ones; empty when none was kept.
    std::string replay;
};

// The ten best finished games, best first, kept in a small text file that
// several games may save at once. A file that is not ours is kept aside before
// a new table replaces it, one that cannot be opened is never written over, and
// any fault costs a message, never the game.
class HighScores {
  public:
    static constexpr int kept = 10;

    // Where the table lives: $XDG_DATA_HOME/vortimbal3/scores, else
    // ~/.local/share/vortimbal3/scores; empty when neither can be found.
    static std::string defaultFile(const char* xdgDataHome, const char* home);

    // Reads the table from `file`, or only forgets it when `file` is empty.
    void load(const std::string& file, std::ostream& messages);
    // Places a finished game among the table as saved now, by this or another
    // game, and saves it when it made it. Returns its place from 0, or -1 when
    // it is not among the best or scored nothing.
    int add(const Score& score, std::ostream& messages);

    const std::vector<Score>& entries() const { return table; }
    // The replays the table names, as saved now: another game may have
    // changed it since this one read it. None when it cannot be read.
    std::optional<std::vector<std::string>> savedReplays() const;
    // The place of the last game added in this run, or -1.
    int newest() const { return newestPlace; }
    // One short line about the table's file for the scores page, in the
    // characters of the stroke font; empty when all is well.
    const std::string& notice() const { return noticeText; }

  private:
    enum class Found { Table, Missing, Damaged, Unreadable };

    Found read(std::vector<Score>& into) const;
    bool reread(std::ostream& messages);
    int place(const Score& score);
    void save(std::ostream& messages);
    void cannotRead(const char* consequence, std::ostream& messages);
    void notSaved(const char* what, std::ostream& messages);

    std::string file;
    std::vector<Score> table;
    int newestPlace = -1;
    bool readOnly = false;
    std::string noticeText;
};

// The game's table, loaded at start-up.
extern HighScores highScores;

// Today's date as YYYY-MM-DD, in local time.
std::string today();

}  // namespace vortimbal
