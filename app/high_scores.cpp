#include "app/high_scores.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vortimbal {

HighScores highScores;

namespace {

const char* const header = "vortimbal3 high scores 1";
// A table of ten short lines is far below this; anything longer is not ours.
constexpr std::streamsize maxFileSize = 4096;

bool isDate(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char end = 0;
    return text.size() == 10 && std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &end) == 3 &&
           m >= 1 && m <= 12 && d >= 1 && d <= 31;
}

// Makes every missing folder of `path`'s parent; true when the parent exists.
bool makeParentFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        if (mkdir(path.substr(0, slash).c_str(), 0755) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string HighScores::defaultFile(const char* xdgDataHome, const char* home) {
    // The XDG rule: only an absolute XDG_DATA_HOME counts.
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        return std::string(xdgDataHome) + "/vortimbal3/scores";
    }
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/.local/share/vortimbal3/scores";
    }
    return "";
}

void HighScores::load(const std::string& name, std::ostream& messages) {
    file = name;
    table.clear();
    newestPlace = -1;
    if (file.empty()) {
        return;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        messages << "High scores: none kept yet (" << file << ")\n";
        return;
    }
    std::string text(maxFileSize + 1, '\0');
    in.read(&text[0], maxFileSize + 1);
    text.resize(std::size_t(in.gcount()));
    if (!parse(text)) {
        table.clear();
        messages << "High scores: " << file << " is damaged or not ours; starting a new table\n";
    }
}

// Strict: the header, then up to ten "points level date" lines, best first.
bool HighScores::parse(const std::string& text) {
    if (text.size() > std::size_t(maxFileSize)) {
        return false;
    }
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != header) {
        return false;
    }
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        Score score;
        std::string extra;
        if (!(fields >> score.points >> score.level >> score.date) || fields >> extra ||
            score.level < 1 || !isDate(score.date) || int(table.size()) == kept ||
            (!table.empty() && score.points > table.back().points)) {
            return false;
        }
        table.push_back(score);
    }
    // A file cut short loses its last line end: only whole lines count.
    return !text.empty() && text.back() == '\n';
}

int HighScores::add(const Score& score, std::ostream& messages) {
    newestPlace = -1;
    const auto place =
        std::upper_bound(table.begin(), table.end(), score.points,
                         [](int points, const Score& s) { return points > s.points; });
    const int rank = int(place - table.begin());
    if (rank >= kept || score.points <= 0) {
        return -1;
    }
    table.insert(place, score);
    if (int(table.size()) > kept) {
        table.pop_back();
    }
    newestPlace = rank;
    save(messages);
    return rank;
}

// Written beside the table and renamed over it, so a crash mid-write leaves
// the old table whole.
void HighScores::save(std::ostream& messages) const {
    if (file.empty()) {
        return;
    }
    const std::string temporary = file + ".new";
    bool written = makeParentFolders(file);
    if (written) {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << header << '\n';
        for (const Score& score : table) {
            out << score.points << ' ' << score.level << ' ' << score.date << '\n';
        }
        out.flush();
        written = bool(out);
    }
    if (!written || std::rename(temporary.c_str(), file.c_str()) != 0) {
        messages << "High scores: cannot write " << file << ": " << std::strerror(errno) << '\n';
        std::remove(temporary.c_str());
    }
}

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace vortimbal
