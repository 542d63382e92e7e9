#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vortimbal {

struct Score {
    int points = 0;
    int level = 0;
    std::string date;  // YYYY-MM-DD
};

// The ten best finished games, best first, kept in a small text file. A file
// that cannot be read starts an empty table and a file that cannot be written
// costs the table, each after one message: never the game.
class HighScores {
  public:
    static constexpr int kept = 10;

    // Where the table lives: $XDG_DATA_HOME/vortimbal3/scores, else
    // ~/.local/share/vortimbal3/scores; empty when neither can be found.
    static std::string defaultFile(const char* xdgDataHome, const char* home);

    // Reads the table from `file`, or only forgets it when `file` is empty.
    void load(const std::string& file, std::ostream& messages);
    // Places a finished game and saves the table when it made it. Returns its
    // place from 0, or -1 when it is not among the best or scored nothing.
    int add(const Score& score, std::ostream& messages);

    const std::vector<Score>& entries() const { return table; }
    // The place of the last game added in this run, or -1.
    int newest() const { return newestPlace; }

  private:
    bool parse(const std::string& text);
    void save(std::ostream& messages) const;

    std::string file;
    std::vector<Score> table;
    int newestPlace = -1;
};

// The game's table, loaded at start-up.
extern HighScores highScores;

// Today's date as YYYY-MM-DD, in local time.
std::string today();

}  // namespace vortimbal
