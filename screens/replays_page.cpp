// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/replays_page.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/folders.h"
#include "saves/replay_file.h"
#include "saves/replay_folder.h"
#include "screens/chosen_marker.h"
#include "screens/stroke_font.h"
#include "screens/title_screen.h"

namespace vortimbal {

namespace {

constexpr float size = 0.06f, firstRow = 0.5f, rowSpacing = 0.2f;
// Rows shown at once; the list scrolls to keep the chosen one among them.
constexpr int rowsShown = 5;

struct Listed {
    std::string name;
    std::string started;  // "YYYY-MM-DD HH:MM"
    std::string ending;   // how the game ended, as its replay claims
    bool kept = false;    // by the player, for good
};

std::vector<Listed> listed;
int chosen = 0;

Listed describe(const std::string& name) {
    // The name reads YYYY-MM-DD-HHMMSS-N.replay.
    Listed entry{name, name.substr(0, 10) + ' ' + name.substr(11, 2) + ':' + name.substr(13, 2),
                 "not a replay this version plays", replayFolder.isKept(name)};
    Replay replay;
    if (readReplayEnds(replayFolder.pathOf(name), replay)) {
        entry.ending = !replay.finished            ? "unfinished"
                       : replay.claim.line.empty() ? "ended"
                                                   : claimText(replay.claim);
    }
    return entry;
}

// The player's home as the shell writes it, so the path fits the page.
std::string shortPath(const std::string& path) {
    const char* home = homeFolder();
    const std::size_t length = home != nullptr ? std::strlen(home) : 0;
    return length > 1 && path.compare(0, length, home) == 0 && path[length] == '/'
               ? '~' + path.substr(length)
               : path;
}

}  // namespace

void openReplaysPage() {
    helpShown = ReplaysPage;
    listed.clear();
    chosen = 0;
    const std::vector<std::string> names = replayFolder.latestFirst();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i < std::size_t(ReplayFolder::lastKept) || replayFolder.isKept(names[i])) {
            listed.push_back(describe(names[i]));
        }
    }
}

void drawReplaysScreen() {
    glDisable(GL_LIGHTING);
    drawPageTitle("Replays");
    if (listed.empty()) {
        drawTextCentered("no game played yet", 0, 0.2f, 0.07f, 0.8f, 0.9f, 1.0f);
    }
    const int first =
        std::clamp(chosen - rowsShown / 2, 0, std::max(0, int(listed.size()) - rowsShown));
    for (int i = first; i < int(listed.size()) && i < first + rowsShown; ++i) {
        const Listed& entry = listed[std::size_t(i)];
        const float y = firstRow - rowSpacing * float(i - first);
        if (i == chosen) {
            drawChosenMarker(-0.85f, 0.85f, y, y - size * 2.6f);
        }
        drawText(entry.started.c_str(), -0.75f, y, size, 1.0f, 0.5f, 0.1f);
        if (entry.kept) {
            drawText("kept", 0.55f, y, size, 0.4f, 1.0f, 0.4f);
        }
        drawText(entry.ending.c_str(), -0.75f, y - size * 1.5f, size * 0.8f, 0.8f, 0.9f, 1.0f);
    }
    if (!listed.empty()) {
        // Where a kept replay is, to send it to someone.
        const Listed& entry = listed[std::size_t(chosen)];
        const std::string note = entry.kept ? shortPath(replayFolder.pathOf(entry.name))
                                            : "right keeps it for good - left lets it go";
        drawTextCentered(note.c_str(), 0, -0.6f, 0.045f, 0.8f, 0.9f, 1.0f);
    }
    drawTextCentered(
        listed.empty() ? "press fire to go back" : "up down choose - fire watches - esc goes back",
        0, -0.8f, 0.06f, 1, 1, 1);
    glEnable(GL_LIGHTING);
}

bool keepChosenReplay(bool keep) {
    if (listed.empty()) {
        return true;
    }
    Listed& entry = listed[std::size_t(chosen)];
    if (!replayFolder.keep(entry.name, keep)) {
        return false;
    }
    entry.kept = keep;
    return true;
}

void replaysCursor(int step) {
    chosen = std::clamp(chosen + step, 0, std::max(0, int(listed.size()) - 1));
}

std::string chosenReplayFile() {
    return chosen < int(listed.size()) ? replayFolder.pathOf(listed[std::size_t(chosen)].name) : "";
}

}  // namespace vortimbal
