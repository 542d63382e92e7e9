// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/scores_page.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "saves/high_scores.h"
#include "saves/replay_checks.h"
#include "saves/replay_folder.h"
#include "screens/chosen_marker.h"
#include "screens/stroke_font.h"
#include "screens/title_screen.h"

namespace vortimbal {

namespace {

constexpr float size = 0.07f, firstRow = 0.5f, rowSpacing = 0.11f;
int chosen = 0;

struct Shade {
    float r, g, b;
};
constexpr Shade plain{0.8f, 0.9f, 1.0f}, newest{1.0f, 1.0f, 0.2f}, doubtful{1.0f, 0.35f, 0.3f};

// What the page says of the chosen game's replay.
const char* checkLine(ReplayCheck check) {
    switch (check) {
        case ReplayCheck::NoReplay:
            return "no replay kept for this game";
        case ReplayCheck::Checking:
            return "fire watches its replay - checking it";
        case ReplayCheck::Holds:
            return "fire watches its replay - it bears this score out";
        case ReplayCheck::Fails:
            return "its replay does not bear this score out";
        case ReplayCheck::TimedOut:
            return "fire watches its replay - it could not be checked in time";
        case ReplayCheck::Unchecked:
            break;
    }
    return "fire watches its replay";
}

void drawRow(int i, const Score& score, ReplayCheck check) {
    const float y = firstRow - rowSpacing * float(i);
    const bool isNew = i == highScores.newest();
    const Shade& shade = check == ReplayCheck::Fails ? doubtful : isNew ? newest : plain;
    char text[64];
    std::snprintf(text, sizeof text, "%d", i + 1);
    drawTextRight(text, -0.72f, y, size, 1.0f, 0.5f, 0.1f);
    std::snprintf(text, sizeof text, "%d", score.points);
    drawTextRight(text, -0.26f, y, size, shade.r, shade.g, shade.b);
    std::snprintf(text, sizeof text, "level %d", score.level);
    drawText(text, -0.18f, y, size, shade.r, shade.g, shade.b);
    drawText(score.date.c_str(), 0.2f, y, size, shade.r, shade.g, shade.b);
    drawText(difficultyName(score.difficulty), 0.66f, y, size, shade.r, shade.g, shade.b);
    // The game just finished stands out, the way it is found after Game Over;
    // a score its replay does not bear out, as doubtful.
    if (check == ReplayCheck::Fails) {
        drawText("x", -0.9f, y, size, doubtful.r, doubtful.g, doubtful.b);
    } else if (isNew) {
        drawText("new", -0.95f, y, size, newest.r, newest.g, newest.b);
    }
}

}  // namespace

void openScoresPage() {
    helpShown = ScoresPage;
    chosen = std::max(0, highScores.newest());
}

void drawScoresScreen() {
    glDisable(GL_LIGHTING);
    drawPageTitle("High scores");
    const std::vector<Score>& table = highScores.entries();
    if (table.empty()) {
        drawTextCentered("no game finished yet", 0, 0.2f, size, plain.r, plain.g, plain.b);
    }
    chosen = std::clamp(chosen, 0, std::max(0, int(table.size()) - 1));
    for (int i = 0; i < int(table.size()); ++i) {
        const ReplayCheck check = replayChecks.of(table[std::size_t(i)], replayFolder.path());
        if (i == chosen) {
            const float y = firstRow - rowSpacing * float(i);
            // From the window's edge, so the marks at the left stay in the bar.
            drawChosenMarker(-0.98f, 0.95f, y, y - size);
            drawTextCentered(checkLine(check), 0, -0.64f, 0.05f, 1.0f, 1.0f, 0.6f);
        }
        drawRow(i, table[std::size_t(i)], check);
    }
    // A player who never looks at the terminal still learns what became of the table.
    if (!highScores.notice().empty()) {
        drawTextCentered(highScores.notice().c_str(), 0, -0.71f, 0.05f, 1.0f, 0.6f, 0.3f);
    }
    drawTextCentered(
        table.empty() ? "press fire to go back" : "up down choose - fire watches - esc goes back",
        0, -0.8f, 0.06f, 1, 1, 1);
    glEnable(GL_LIGHTING);
}

void scoresCursor(int step) {
    const int last = std::max(0, int(highScores.entries().size()) - 1);
    chosen = std::clamp(chosen + step, 0, last);
}

std::string chosenScoreReplay() {
    const std::vector<Score>& table = highScores.entries();
    if (chosen >= int(table.size())) {
        return "";
    }
    const Score& score = table[std::size_t(chosen)];
    return replayChecks.of(score, replayFolder.path()) == ReplayCheck::NoReplay
               ? ""
               : replayFolder.pathOf(score.replay);
}

}  // namespace vortimbal
