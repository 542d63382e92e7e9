// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/title_screen.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "input/gamepad.h"
#include "saves/settings.h"
#include "screens/chosen_marker.h"
#include "screens/stroke_font.h"

namespace vortimbal {

int& helpShown = screenState.helpShown;
int& titleSelection = screenState.titleSelection;

namespace {

struct Item {
    int id;
    const char* label;
    float r, g, b;
};

const Item resume = {ResumeItem, "Resume", 1.0f, 1.0f, 0.3f};
const Item menu[] = {
    {NewGameItem, "New Game", 1.0f, 0.5f, 0.1f},   {HelpItem, "Help", 0.7f, 1.0f, 0.1f},
    {ScoresItem, "High scores", 0.3f, 0.9f, 0.9f}, {ReplaysItem, "Replays", 0.9f, 0.9f, 0.5f},
    {OptionsItem, "Options", 0.9f, 0.6f, 1.0f},    {QuitItem, "Quit", 0.3f, 0.3f, 0.7f}};

// Where the items stand: a game waiting on the title adds "Resume" above the
// others and a line saying so, so they move closer and shrink a little.
struct Layout {
    float top, spacing, size;
};
constexpr Layout menuLayout = {0.3f, 0.2f, 0.15f};
constexpr Layout pausedLayout = {0.3f, 0.17f, 0.13f};
constexpr float pageTitleSize = 0.18f;
constexpr float shadowOffset = 0.01f;
constexpr float difficultyGap = 0.06f;

// The items on show, top to bottom.
std::vector<Item> shownItems() {
    std::vector<Item> items(std::begin(menu), std::end(menu));
    if (gamePaused()) {
        items.insert(items.begin(), resume);
    }
    return items;
}

void drawTitle(float x, float y, float r, float g, float b) {
    drawTextCentered("Vortimbal 3", x, y, 0.3f, r, g, b);
}

int selectedIndex(const std::vector<Item>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].id == titleSelection) {
            return int(i);
        }
    }
    return 0;
}

}  // namespace

void drawPageTitle(const char* title) {
    drawTextCentered(title, 0.01f, 0.79f, pageTitleSize, 0, 0, 0);
    drawTextCentered(title, 0, 0.8f, pageTitleSize, 0.7f, 1.0f, 0.1f);
}

const char* const gameGoal = "shoot the red bad guys before they shoot the citizens";
const char* const scoringRule =
    "a bad guy hit scores 100 - every citizen lost costs 10 - whoever shot him";

std::vector<HelpLine> helpLines() {
    const auto keys = [](std::initializer_list<Action> actions) {
        std::string text;
        for (Action action : actions) {
            text += (text.empty() ? "" : "  ") + keyLabel(settings.keys[std::size_t(action)]);
        }
        return text;
    };
    // 'z' fires too, as long as no action has it.
    const bool zFires =
        std::find(settings.keys.begin(), settings.keys.end(), Key('z')) == settings.keys.end();
    std::string walk =
        keys({Action::WalkForward, Action::WalkBack, Action::TurnLeft, Action::TurnRight});
    walk = walk == "up  down  left  right" ? "arrows" : walk;
    std::vector<HelpLine> lines = {
        {walk, "walk and turn"},
        {keys({Action::Fire}) + (zFires ? "  z  enter" : "  enter"), "fire"},
        {keys({Action::Pause}), "pause - back to title"},
        {keys({Action::CameraForward, Action::CameraBack, Action::CameraTurnLeft,
               Action::CameraTurnRight}),
         "move and turn camera"},
        {keys({Action::CameraTiltUp, Action::CameraTiltDown}), "tilt camera"},
        {keys({Action::CameraUp, Action::CameraDown}), "camera up - down"},
        {keys({Action::CameraSlideLeft, Action::CameraSlideRight}), "slide camera"},
        {keys({Action::Lamp1, Action::Lamp2}), "switch the lamps"},
        {keys({Action::Sound}), "sound on - off"},
        {keys({Action::FrameRate}), "frame rate on - off"},
        {keys({Action::Screenshot}), "screenshot"},
        {"mouse  left button", "turn - fire"},
        {"right button", "camera and display menu"},
        {"red edge arrows", "bad guys out of sight", false}};
    if (gamepads.connected()) {
        lines.insert(lines.end(), {{"pad: left stick  d-pad", "walk and turn"},
                                   {"a  right trigger", "fire - choose"},
                                   {"b", "back"},
                                   {"start", "pause - resume"},
                                   {"right stick", "move and turn camera"}});
    }
    return lines;
}

void drawTitleScreen() {
    glDisable(GL_LIGHTING);
    const std::vector<Item> items = shownItems();
    const Layout& layout = gamePaused() ? pausedLayout : menuLayout;
    // The items below "New Game" make room for its difficulty.
    const auto itemY = [&](std::size_t i) {
        const bool belowNewGame = i > 0 && items[i - 1].id != ResumeItem;
        return layout.top - layout.spacing * float(i) - (belowNewGame ? difficultyGap : 0);
    };
    drawTitle(0.02f, 0.78f, 0, 0, 0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        drawTextCentered(items[i].label, shadowOffset, itemY(i) - shadowOffset, layout.size, 0, 0,
                         0);
    }
    drawTitle(0, 0.8f, 0.8f, 0.9f, 1.0f);
    if (gamePaused()) {
        char text[64];
        std::snprintf(text, sizeof text, "game paused - level %d", level);
        drawTextCentered(text, 0, 0.45f, 0.07f, 1.0f, 1.0f, 0.3f);
    }
    const int selected = selectedIndex(items);
    const float halfWidth =
        float(std::strlen(items[std::size_t(selected)].label)) * layout.size * advanceFactor / 2;
    drawChosenMarker(-halfWidth, halfWidth, itemY(std::size_t(selected)),
                     itemY(std::size_t(selected)) - layout.size);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        const bool white = int(i) == selected;
        drawTextCentered(item.label, 0, itemY(i), layout.size, white ? 1 : item.r,
                         white ? 1 : item.g, white ? 1 : item.b);
        if (item.id == NewGameItem) {
            // What New Game starts, under it, in the gap before the next item.
            char text[32];
            std::snprintf(text, sizeof text, "difficulty: %s", difficultyName(chosenDifficulty));
            drawTextCentered(text, 0, itemY(i) - layout.size - 0.035f, 0.06f, 0.9f, 0.8f, 0.6f);
        }
    }
    glEnable(GL_LIGHTING);
}

void drawHelpScreen() {
    glDisable(GL_LIGHTING);
    drawPageTitle("Help");
    drawTextCentered(gameGoal, 0, 0.56f, 0.06f, 1.0f, 1.0f, 0.3f);
    drawTextCentered(scoringRule, 0, 0.48f, 0.045f, 1.0f, 0.6f, 0.5f);
    const std::vector<HelpLine> lines = helpLines();
    // With a pad's lines too, they close up to stay above the page's last line.
    const float spacing = std::min(0.095f, 1.08f / float(lines.size() - 1));
    const float size = std::min(0.07f, spacing * 0.75f);
    float y = 0.4f;
    for (const HelpLine& line : lines) {
        drawTextRight(line.keys.c_str(), -0.05f, y, size, 1.0f, 0.5f, 0.1f);
        drawText(line.action.c_str(), 0.05f, y, size, 0.8f, 0.9f, 1.0f);
        y -= spacing;
    }
    drawTextCentered("press fire to go back", 0, -0.78f, 0.08f, 1, 1, 1);
    glEnable(GL_LIGHTING);
}

int selectedTitleItem() {
    const std::vector<Item> items = shownItems();
    return items[std::size_t(selectedIndex(items))].id;
}

void titleCursorUp() {
    const std::vector<Item> items = shownItems();
    const int index = selectedIndex(items);
    titleSelection = items[std::size_t(index > 0 ? index - 1 : 0)].id;
}

void titleCursorDown() {
    const std::vector<Item> items = shownItems();
    const int last = int(items.size()) - 1;
    const int index = selectedIndex(items);
    titleSelection = items[std::size_t(index < last ? index + 1 : last)].id;
}

}  // namespace vortimbal
