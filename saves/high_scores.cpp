// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/high_scores.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sstream>

#include "platform/clock.h"
#include "platform/regular_file.h"
#include "platform/safe_file.h"
#include "saves/replay_folder.h"
#include "saves/xdg_folder.h"

namespace vortimbal {

HighScores highScores;

namespace {

const char* const header = "vortimbal3 high scores 1";
// A table of ten short lines is far below this; anything longer is not ours.
constexpr std::size_t maxFileSize = 4096;

bool isDate(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char end = 0;
    return text.size() == 10 && std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &end) == 3 &&
           m >= 1 && m <= 12 && d >= 1 && d <= 31;
}

// A copy made on another system may end its lines with CR LF.
bool getLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

// Strict: the header, then up to ten "points level date [difficulty [replay]]"
// lines, best first; tables from before difficulties were all played at normal.
bool parse(const std::string& text, std::vector<Score>& table) {
    if (text.size() > maxFileSize) {
        return false;
    }
    std::istringstream lines(text);
    std::string line;
    if (!getLine(lines, line) || line != header) {
        return false;
    }
    while (getLine(lines, line)) {
        std::istringstream fields(line);
        Score score;
        std::string difficulty, extra;
        if (!(fields >> score.points >> score.level >> score.date) ||
            (fields >> difficulty && !difficultyFromName(difficulty, score.difficulty)) ||
            (fields >> score.replay && !ReplayFolder::isReplayName(score.replay)) ||
            fields >> extra || score.level < 1 || !isDate(score.date) ||
            int(table.size()) == HighScores::kept ||
            (!table.empty() && score.points > table.back().points)) {
            return false;
        }
        table.push_back(score);
    }
    // A file cut short loses its last line end: only whole lines count.
    return !text.empty() && text.back() == '\n';
}

}  // namespace

std::string HighScores::defaultFile(const char* xdgDataHome, const char* home) {
    return xdgFile(xdgDataHome, home, ".local/share", "scores");
}

void HighScores::load(const std::string& name, std::ostream& messages) {
    file = name;
    table.clear();
    newestPlace = -1;
    readOnly = false;
    noticeText.clear();
    if (file.empty()) {
        return;
    }
    switch (read(table)) {
        case Found::Missing:
            messages << "High scores: none kept yet (" << file << ")\n";
            break;
        case Found::Damaged:
            messages << "High scores: " << file
                     << " is damaged or not ours; it is kept aside when a game makes a new table\n";
            noticeText = "table damaged - kept aside when a game makes a new one";
            break;
        case Found::Unreadable:
            cannotRead("nothing is saved this run", messages);
            break;
        case Found::Table:
            break;
    }
}

// Leaves `into` empty unless the file holds a table of ours.
HighScores::Found HighScores::read(std::vector<Score>& into) const {
    into.clear();
    std::FILE* in = openRegularFile(file.c_str());
    if (in == nullptr) {
        // Under a file rather than a folder, no table can exist to be lost.
        return errno == ENOENT || errno == ENOTDIR ? Found::Missing : Found::Unreadable;
    }
    std::string text(maxFileSize + 1, '\0');
    text.resize(std::fread(&text[0], 1, text.size(), in));
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) {
        errno = EIO;
        return Found::Unreadable;
    }
    if (!parse(text, into)) {
        into.clear();
        return Found::Damaged;
    }
    return Found::Table;
}

std::optional<std::vector<std::string>> HighScores::savedReplays() const {
    std::vector<Score> saved;
    const Found found = read(saved);
    if (found == Found::Damaged || found == Found::Unreadable) {
        return std::nullopt;
    }
    saved.insert(saved.end(), table.begin(), table.end());
    std::vector<std::string> names;
    for (const Score& score : saved) {
        names.push_back(score.replay);
    }
    return names;
}

int HighScores::add(const Score& score, std::ostream& messages) {
    newestPlace = -1;
    if (score.points <= 0) {
        return -1;
    }
    if (file.empty() || readOnly) {
        return place(score);
    }
    if (!makeParentFolders(file)) {
        notSaved("cannot write", messages);
        return place(score);
    }
    // Beside the table, not on it: the table is replaced by a rename.
    const FileLock lock(file + ".lock");
    if (!lock.held()) {
        notSaved("cannot lock", messages);
        return place(score);
    }
    if (!reread(messages)) {
        return place(score);
    }
    const int rank = place(score);
    if (rank >= 0) {
        save(messages);
    }
    return rank;
}

// Takes the table as saved now, so the scores another game saved since
// start-up stay; false when the file must not be written.
bool HighScores::reread(std::ostream& messages) {
    std::vector<Score> saved;
    const Found found = read(saved);
    if (found == Found::Unreadable) {
        cannotRead("this game is not saved", messages);
        return false;
    }
    if (found == Found::Damaged) {
        const std::string copy = keepAside(file);
        if (copy.empty()) {
            notSaved("cannot keep aside", messages);
            return false;
        }
        messages << "High scores: " << file << " was damaged or not ours; kept aside as " << copy
                 << '\n';
        noticeText = "damaged table kept aside as " + copy.substr(copy.rfind('/') + 1);
    }
    table = saved;
    return true;
}

int HighScores::place(const Score& score) {
    const auto place =
        std::upper_bound(table.begin(), table.end(), score.points,
                         [](int points, const Score& s) { return points > s.points; });
    const int rank = int(place - table.begin());
    if (rank >= kept) {
        return -1;
    }
    table.insert(place, score);
    if (int(table.size()) > kept) {
        table.pop_back();
    }
    newestPlace = rank;
    return rank;
}

void HighScores::save(std::ostream& messages) {
    std::ostringstream text;
    text << header << '\n';
    for (const Score& score : table) {
        text << score.points << ' ' << score.level << ' ' << score.date << ' '
             << difficultyName(score.difficulty) << (score.replay.empty() ? "" : " ")
             << score.replay << '\n';
    }
    if (!replaceFile(file, text.str())) {
        notSaved("cannot write", messages);
    }
}

// A file that exists but cannot be opened may hold scores: it is never written over.
void HighScores::cannotRead(const char* consequence, std::ostream& messages) {
    const char* reason = std::strerror(errno);
    messages << "High scores: cannot read " << file << ": " << reason << "; " << consequence
             << '\n';
    readOnly = true;
    noticeText = "the table cannot be read - nothing is saved this run";
}

void HighScores::notSaved(const char* what, std::ostream& messages) {
    const char* reason = std::strerror(errno);
    messages << "High scores: " << what << ' ' << file << ": " << reason << '\n';
    noticeText = "a game of this run could not be saved";
}

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localTime(now, local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace vortimbal
