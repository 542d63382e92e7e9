// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/replays_page.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "saves/replay_file.h"
#include "saves/replay_folder.h"
#include "screens/chosen_marker.h"
#include "screens/stroke_font.h"
#include "screens/title_screen.h"

namespace vortimbal {

namespace {

constexpr float size = 0.06f, firstRow = 0.5f, rowSpacing = 0.2f;

struct Listed {
    std::string name;
    std::string started;  // "YYYY-MM-DD HH:MM"
    std::string ending;   // how the game ended, as its replay claims
};

std::vector<Listed> listed;
int chosen = 0;

Listed describe(const std::string& name) {
    // The name reads YYYY-MM-DD-HHMMSS-N.replay.
    Listed entry{name, name.substr(0, 10) + ' ' + name.substr(11, 2) + ':' + name.substr(13, 2),
                 "not a replay this version plays"};
    Replay replay;
    if (readReplayEnds(replayFolder.pathOf(name), replay)) {
        entry.ending = !replay.finished            ? "unfinished"
                       : replay.claim.line.empty() ? "ended"
                                                   : claimText(replay.claim);
    }
    return entry;
}

}  // namespace

void openReplaysPage() {
    helpShown = ReplaysPage;
    listed.clear();
    chosen = 0;
    const std::vector<std::string> names = replayFolder.latestFirst();
    for (std::size_t i = 0; i < names.size() && i < std::size_t(ReplayFolder::lastKept); ++i) {
        listed.push_back(describe(names[i]));
    }
}

void drawReplaysScreen() {
    glDisable(GL_LIGHTING);
    drawPageTitle("Replays");
    if (listed.empty()) {
        drawTextCentered("no game played yet", 0, 0.2f, 0.07f, 0.8f, 0.9f, 1.0f);
    }
    for (int i = 0; i < int(listed.size()); ++i) {
        const Listed& entry = listed[std::size_t(i)];
        const float y = firstRow - rowSpacing * float(i);
        if (i == chosen) {
            drawChosenMarker(-0.85f, 0.85f, y, y - size * 2.6f);
        }
        drawText(entry.started.c_str(), -0.75f, y, size, 1.0f, 0.5f, 0.1f);
        drawText(entry.ending.c_str(), -0.75f, y - size * 1.5f, size * 0.8f, 0.8f, 0.9f, 1.0f);
    }
    drawTextCentered(
        listed.empty() ? "press fire to go back" : "up down choose - fire watches - esc goes back",
        0, -0.8f, 0.06f, 1, 1, 1);
    glEnable(GL_LIGHTING);
}

void replaysCursor(int step) {
    chosen = std::clamp(chosen + step, 0, std::max(0, int(listed.size()) - 1));
}

std::string chosenReplayFile() {
    return chosen < int(listed.size()) ? replayFolder.pathOf(listed[std::size_t(chosen)].name) : "";
}

}  // namespace vortimbal
