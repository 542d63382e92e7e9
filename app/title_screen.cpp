#include "app/title_screen.h"

#include <GL/gl.h>

#include "app/game_state.h"
#include "app/stroke_font.h"

namespace vortimbal {

namespace {

struct Item {
    int id;
    const char* label;
    float y;
    float r, g, b;
};

// Stacked top to bottom as on screen.
const Item items[] = {{NewGameItem, "New Game", 0.2f, 1.0f, 0.5f, 0.1f},
                      {HelpItem, "Help", -0.2f, 0.7f, 1.0f, 0.1f},
                      {QuitItem, "Quit", -0.6f, 0.3f, 0.3f, 0.7f}};
constexpr int itemCount = 3;
constexpr float itemSize = 0.2f;
constexpr float shadowOffset = 0.01f;

void drawTitle(float x, float y, float r, float g, float b) {
    drawTextCentered("Vortimbal 3", x, y, 0.3f, r, g, b);
}

int selectedIndex() {
    for (int i = 0; i < itemCount; ++i) {
        if (items[i].id == titleSelection) {
            return i;
        }
    }
    return 0;
}

struct HelpLine {
    const char* keys;
    const char* action;
};

const HelpLine helpLines[] = {
    {"arrows", "walk and turn"},
    {"space  z  enter", "fire"},
    {"esc", "pause - back to title"},
    {"i  k  j  l", "move and turn camera"},
    {"y  h", "tilt camera"},
    {"q  a", "camera up - down"},
    {"s  d", "slide camera"},
    {"1  2", "switch the lamps"},
    {"right button", "camera and display menu"},
};

}  // namespace

void drawTitleScreen() {
    glDisable(GL_LIGHTING);
    drawTitle(0.02f, 0.78f, 0, 0, 0);
    for (const Item& item : items) {
        drawTextCentered(item.label, shadowOffset, item.y - shadowOffset, itemSize, 0, 0, 0);
    }
    drawTitle(0, 0.8f, 0.8f, 0.9f, 1.0f);
    for (const Item& item : items) {
        const bool selected = item.id == titleSelection;
        drawTextCentered(item.label, 0, item.y, itemSize, selected ? 1 : item.r,
                         selected ? 1 : item.g, selected ? 1 : item.b);
    }
    glEnable(GL_LIGHTING);
}

void drawHelpScreen() {
    glDisable(GL_LIGHTING);
    drawTextCentered("Help", 0.01f, 0.79f, itemSize, 0, 0, 0);
    drawTextCentered("Help", 0, 0.8f, itemSize, 0.7f, 1.0f, 0.1f);
    const float size = 0.07f;
    float y = 0.5f;
    for (const HelpLine& line : helpLines) {
        drawTextRight(line.keys, -0.05f, y, size, 1.0f, 0.5f, 0.1f);
        drawText(line.action, 0.05f, y, size, 0.8f, 0.9f, 1.0f);
        y -= 0.12f;
    }
    drawTextCentered("press fire to go back", 0, -0.66f, 0.08f, 1, 1, 1);
    glEnable(GL_LIGHTING);
}

void titleCursorUp() {
    const int index = selectedIndex();
    titleSelection = items[index > 0 ? index - 1 : 0].id;
}

void titleCursorDown() {
    const int index = selectedIndex();
    titleSelection = items[index < itemCount - 1 ? index + 1 : itemCount - 1].id;
}

}  // namespace vortimbal
