// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/settings.h"

#include <ini.h>
#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "platform/regular_file.h"
#include "platform/safe_file.h"
#include "saves/xdg_folder.h"

namespace vortimbal {

const int frameCaps[5] = {30, 60, 120, 144, 0};

Settings settings;
SettingsFile settingsFile;

Settings::Settings() {
    for (int action = 0; action < actionCount; ++action) {
        keys[action] = defaultKey(Action(action));
    }
}

bool Settings::operator==(const Settings& other) const {
    return volume == other.volume && muted == other.muted && fullScreen == other.fullScreen &&
           frameCap == other.frameCap && showFrameRate == other.showFrameRate &&
           invertTilt == other.invertTilt && padDeadZone == other.padDeadZone &&
           difficulty == other.difficulty && mouseAim == other.mouseAim &&
           mouseSensitivity == other.mouseSensitivity && padInvert == other.padInvert &&
           padRumble == other.padRumble && recordGames == other.recordGames && keys == other.keys;
}

namespace {

// Ours is under a kilobyte; a file this large is not a settings file.
constexpr std::size_t maxFileSize = 64 * 1024;
// inih reads a longer line as several, each a line of its own.
constexpr std::size_t maxLineLength = INI_MAX_LINE - 3;
static_assert(maxLineLength == 197, "the message below names the length");
constexpr int maxMessages = 10;
struct Number {
    const char* name;
    int Settings::*field;
    int most;  // from 0
};
const Number numbers[] = {
    {"volume", &Settings::volume, 10},
    {"pad_dead_zone", &Settings::padDeadZone, 50},
    {"mouse_sensitivity", &Settings::mouseSensitivity, 10},
};

struct Flag {
    const char* name;
    bool Settings::*field;
};
const Flag flags[] = {
    {"mute", &Settings::muted},
    {"fullscreen", &Settings::fullScreen},
    {"show_frame_rate", &Settings::showFrameRate},
    {"invert_tilt", &Settings::invertTilt},
    {"mouse_aim", &Settings::mouseAim},
    {"pad_invert", &Settings::padInvert},
    {"pad_rumble", &Settings::padRumble},
    {"record_games", &Settings::recordGames},
};

const char* boolName(bool value) {
    return value ? "true" : "false";
}

std::string capName(int cap) {
    return cap == 0 ? "none" : std::to_string(cap);
}

// A whole number; one too large to hold comes back as the largest of its sign.
bool readNumber(const std::string& text, long long& number) {
    char* end = nullptr;
    number = std::strtoll(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0';
}

bool readBool(const std::string& text, bool& flag) {
    static const struct {
        const char* word;
        bool value;
    } words[] = {{"true", true},   {"1", true},  {"yes", true}, {"on", true},
                 {"false", false}, {"0", false}, {"no", false}, {"off", false}};
    for (const auto& word : words) {
        if (strcasecmp(text.c_str(), word.word) == 0) {
            flag = word.value;
            return true;
        }
    }
    return false;
}

int nearestCap(long long number) {
    // Clamped first, so the distances cannot overflow.
    number = std::clamp(number, 30LL, 144LL);
    int best = frameCaps[0];
    for (int cap : frameCaps) {
        if (cap != 0 && std::llabs(number - cap) < std::llabs(number - best)) {
            best = cap;
        }
    }
    return best;
}

struct Entry {
    std::string section, name, value;
};

int collect(void* entries, const char* section, const char* name, const char* value) {
    static_cast<std::vector<Entry>*>(entries)->push_back({section, name, value ? value : ""});
    return 1;
}

// Reads one line with inih, which cannot tell the handler a line's number. The
// section it is in comes first, and a nameless entry after it shows the
// section it leaves open; false when the line cannot be read.
bool parseLine(const std::string& line, std::string& section, std::vector<Entry>& entries) {
    const std::string text = (section.empty() ? "" : "[" + section + "]\n") + line + "\n=\n";
    entries.clear();
    const bool read = ini_parse_string(text.c_str(), collect, &entries) == 0;
    if (entries.empty()) {
        return false;
    }
    section = entries.back().section;
    entries.pop_back();
    return read && (entries.empty() || !entries[0].name.empty());
}

// Null when `text` holds the file or there is none; else why it cannot be read.
const char* readText(const std::string& name, std::string& text) {
    std::FILE* in = openRegularFile(name.c_str());
    if (in == nullptr) {
        // Under a file rather than a folder, no settings file can exist either.
        if (errno == ENOENT || errno == ENOTDIR) {
            return nullptr;
        }
        return errno == EINVAL ? "not a regular file" : std::strerror(errno);
    }
    text.assign(maxFileSize + 1, '\0');
    text.resize(std::fread(&text[0], 1, text.size(), in));
    const bool failed = std::ferror(in) != 0;
    const int error = errno;
    std::fclose(in);
    if (failed) {
        return std::strerror(error);
    }
    return text.size() > maxFileSize ? "larger than 64 KB" : nullptr;
}

// Applies the lines the game knows, one message for each it cannot take.
class Loader {
  public:
    Loader(Settings& settings, const std::string& file, std::ostream& messages)
        : s(settings), file(file), messages(messages) {}

    // False when the game does not know the setting.
    bool apply(int lineNumber, const Entry& entry) {
        line = lineNumber;
        if (entry.section == "game") {
            return game(entry.name, entry.value);
        }
        return entry.section == "keys" && key(entry.name, entry.value);
    }

    void refuse(int lineNumber, const std::string& why) {
        line = lineNumber;
        complain() << why << "; ignored\n";
    }

    // An action no line names loses its default key to one a line gave it.
    void finish() {
        for (int action = 0; action < actionCount; ++action) {
            if (!bound[action] && holder(s.keys[action], action) >= 0) {
                s.keys[action] = noKey;
            }
        }
        if (complaints > maxMessages) {
            messages << "Settings: " << file << ": " << complaints - maxMessages
                     << " more lines like these; ignored\n";
        }
    }

  private:
    // A junk file must not flood the terminal: the first few, then a count.
    std::ostream& complain() {
        static std::ostream nowhere(nullptr);
        std::ostream& to = ++complaints > maxMessages ? nowhere : messages;
        return to << "Settings: " << file << " line " << line << ": ";
    }

    bool game(const std::string& name, const std::string& value) {
        long long number = 0;
        for (const Number& n : numbers) {
            if (name != n.name) {
                continue;
            }
            int& field = s.*n.field;
            if (!readNumber(value, number)) {
                complain() << name << " \"" << value << "\" is not a number 0 to " << n.most
                           << "; kept " << field << '\n';
                return true;
            }
            field = int(std::clamp(number, 0LL, (long long)n.most));
            if (field != number) {
                complain() << name << ' ' << value << " is out of 0 to " << n.most << "; set to "
                           << field << '\n';
            }
            return true;
        }
        if (name == "difficulty") {
            if (!difficultyFromName(value, s.difficulty)) {
                complain() << "difficulty \"" << value << "\" is not easy, normal or hard; kept "
                           << difficultyName(s.difficulty) << '\n';
            }
            return true;
        }
        if (name == "frame_cap") {
            const char* const allowed = " is not 30, 60, 120, 144 or none; ";
            if (value == "none") {
                s.frameCap = 0;
            } else if (!readNumber(value, number)) {
                complain() << "frame_cap \"" << value << '"' << allowed << "kept "
                           << capName(s.frameCap) << '\n';
            } else {
                s.frameCap = nearestCap(number);
                if (s.frameCap != number) {
                    complain() << "frame_cap " << value << allowed << "set to " << s.frameCap
                               << '\n';
                }
            }
            return true;
        }
        for (const Flag& flag : flags) {
            if (name == flag.name) {
                bool& field = s.*flag.field;
                if (!readBool(value, field)) {
                    complain() << name << " \"" << value << "\" is not true or false; kept "
                               << boolName(field) << '\n';
                }
                return true;
            }
        }
        return false;
    }

    bool key(const std::string& name, const std::string& value) {
        int action = 0;
        while (action < actionCount && name != actionName(Action(action))) {
            ++action;
        }
        if (action == actionCount) {
            complain() << "no action is called \"" << name << "\"; kept for a newer version\n";
            return false;
        }
        const Key key = keyFromName(value);
        const bool named = key != noKey || value == keyName(noKey);
        const int other = named ? holder(key, action) : -1;
        if (named && other < 0) {
            s.keys[action] = key;
            bound[action] = true;
            return true;
        }
        // The action keeps its key, unless a line already gave that to another.
        if (holder(s.keys[action], action) >= 0) {
            s.keys[action] = noKey;
        }
        bound[action] = true;
        if (named) {
            complain() << name << " = " << value << ": that key is already "
                       << actionName(Action(other)) << "'s; kept " << keyName(s.keys[action])
                       << '\n';
        } else {
            complain() << name << " = \"" << value << "\" is not a key name; kept "
                       << keyName(s.keys[action]) << '\n';
        }
        return true;
    }

    // The action other than `action` that a line gave `key` to, or -1.
    int holder(Key key, int action) const {
        for (int other = 0; other < actionCount; ++other) {
            if (other != action && bound[other] && key != noKey && s.keys[other] == key) {
                return other;
            }
        }
        return -1;
    }

    Settings& s;
    const std::string& file;
    std::ostream& messages;
    int line = 0;
    int complaints = 0;
    bool bound[actionCount] = {};  // by a line of the file
};

// Each line of a settings file as the reader sees it.
struct Line {
    std::size_t start, end;  // in the text, the line end left out
    std::string section;     // the one it is in, or opens
    const char* fault;       // why it cannot be read, or null
    Entry entry;             // its name and value, when it has them
};

std::vector<Line> lines(const std::string& text) {
    std::vector<Line> found;
    std::string section;
    std::vector<Entry> entries;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        Line read{start, end, section, nullptr, {}};
        if (line.size() > maxLineLength) {
            read.fault = "longer than 197 characters";
        } else if (line.find('\0') != std::string::npos || !parseLine(line, section, entries)) {
            read.fault = "not \"name = value\" nor \"[section]\"";
        } else if (!entries.empty()) {
            read.entry = entries[0];
        }
        read.section = section;
        found.push_back(read);
        start = end + 1;
    }
    return found;
}

// Every setting as a line of the file would hold it, in a fixed order.
std::vector<Entry> entriesOf(const Settings& settings) {
    std::vector<Entry> entries;
    for (const Number& n : numbers) {
        entries.push_back({"game", n.name, std::to_string(settings.*n.field)});
    }
    entries.push_back({"game", "frame_cap", capName(settings.frameCap)});
    entries.push_back({"game", "difficulty", difficultyName(settings.difficulty)});
    for (const Flag& flag : flags) {
        entries.push_back({"game", flag.name, boolName(settings.*flag.field)});
    }
    for (int action = 0; action < actionCount; ++action) {
        entries.push_back({"keys", actionName(Action(action)), keyName(settings.keys[action])});
    }
    return entries;
}

std::string lineOf(const Entry& entry) {
    // After a blank, ';' would start a comment.
    return entry.name + (entry.value[0] == ';' ? " =" : " = ") + entry.value;
}

}  // namespace

std::string SettingsFile::defaultFile(const char* xdgConfigHome, const char* home) {
    return xdgFile(xdgConfigHome, home, ".config", "settings.ini");
}

Settings SettingsFile::read(const std::string& text, const std::string& file,
                            std::ostream& messages) {
    Settings loaded;
    Loader loader(loaded, file, messages);
    int number = 0;
    for (const Line& line : lines(text)) {
        ++number;
        if (line.fault != nullptr) {
            loader.refuse(number, line.fault);
        } else if (!line.entry.name.empty()) {
            loader.apply(number, line.entry);
        }
    }
    loader.finish();
    return loaded;
}

std::string SettingsFile::merged(const std::string& text, const Settings& before,
                                 const Settings& after) {
    const std::vector<Line> read = lines(text);
    std::vector<std::string> out;
    for (const Line& line : read) {
        out.push_back(text.substr(line.start, line.end - line.start));
    }
    // Lines to add after the last line of their section, or in a new one.
    std::vector<std::pair<std::string, std::string>> added;
    const std::vector<Entry> old = entriesOf(before), now = entriesOf(after);
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i].value == old[i].value) {
            continue;
        }
        // The last line of a setting is the one that counts when it is read.
        std::size_t at = read.size();
        for (std::size_t l = 0; l < read.size(); ++l) {
            const Entry& e = read[l].entry;
            at = e.section == now[i].section && e.name == now[i].name ? l : at;
        }
        if (at < read.size()) {
            out[at] = lineOf(now[i]);
        } else {
            added.push_back({now[i].section, lineOf(now[i])});
        }
    }
    std::string result;
    for (const char* section : {"game", "keys"}) {
        std::size_t last = read.size();
        for (std::size_t l = 0; l < read.size(); ++l) {
            last = read[l].section == section ? l : last;
        }
        std::string lines;
        for (const auto& [in, line] : added) {
            lines += in == section ? line + "\n" : "";
        }
        if (lines.empty()) {
            continue;
        }
        if (last < read.size()) {
            out[last] += "\n" + lines.substr(0, lines.size() - 1);
        } else {
            result += "[" + std::string(section) + "]\n" + lines;
        }
    }
    std::string kept;
    for (const std::string& line : out) {
        kept += line + "\n";
    }
    // A file that did not end its last line is not given an end it lacked.
    if (!text.empty() && text.back() != '\n') {
        kept.pop_back();
        kept += result.empty() ? "" : "\n";
    }
    return kept + result;
}

Settings SettingsFile::load(const std::string& name, std::ostream& messages) {
    file = name;
    readOnly = false;
    saved = Settings();
    std::string text;
    if (file.empty()) {
        return saved;
    }
    if (const char* reason = readText(file, text)) {
        // It may hold a player's settings: never written over.
        messages << "Settings: cannot read " << file << ": " << reason
                 << "; defaults used and the file left as it is\n";
        readOnly = true;
        return saved;
    }
    saved = read(text, file, messages);
    return saved;
}

bool SettingsFile::save(const Settings& settings, std::ostream& messages) {
    if (file.empty() || settings == saved) {
        return true;
    }
    if (readOnly) {
        messages << "Settings: cannot write " << file
                 << ": it could not be read, so it is left as it is\n";
        return false;
    }
    if (!makeParentFolders(file)) {
        messages << "Settings: cannot write " << file << ": " << std::strerror(errno) << '\n';
        return false;
    }
    // Another game, or the player by hand, may have changed it since: only what
    // this game changed is written into the file as it is now.
    const FileLock lock(file + ".lock");
    std::string text;
    const char* reason = lock.held() ? readText(file, text) : std::strerror(errno);
    if (reason != nullptr) {
        messages << "Settings: cannot save to " << file << ": " << reason << '\n';
        return false;
    }
    if (!replaceFile(file, merged(text, saved, settings))) {
        messages << "Settings: cannot write " << file << ": " << std::strerror(errno) << '\n';
        return false;
    }
    saved = settings;
    return true;
}

}  // namespace vortimbal
