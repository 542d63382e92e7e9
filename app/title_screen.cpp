#include "app/title_screen.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <vector>

#include "app/game_state.h"
#include "app/high_scores.h"
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
const Item items[] = {{NewGameItem, "New Game", 0.3f, 1.0f, 0.5f, 0.1f},
                      {HelpItem, "Help", 0.0f, 0.7f, 1.0f, 0.1f},
                      {ScoresItem, "High scores", -0.3f, 0.3f, 0.9f, 0.9f},
                      {QuitItem, "Quit", -0.6f, 0.3f, 0.3f, 0.7f}};
constexpr int itemCount = 4;
constexpr float itemSize = 0.2f;
constexpr float shadowOffset = 0.01f;
constexpr float backdropAlpha = 0.75f;
// In the overlay's projection z = 1 is the nearest depth, where the letters lie.
constexpr float backdropDepth = 0.9f;

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

// A page's title with its shadow.
void drawPageTitle(const char* title) {
    drawTextCentered(title, 0.01f, 0.79f, itemSize, 0, 0, 0);
    drawTextCentered(title, 0, 0.8f, itemSize, 0.7f, 1.0f, 0.1f);
}

}  // namespace

const HelpLine helpLines[] = {
    {"arrows", "walk and turn"},      {"space  z  enter", "fire"},
    {"esc", "pause - back to title"}, {"i  k  j  l", "move and turn camera"},
    {"y  h", "tilt camera"},          {"q  a", "camera up - down"},
    {"s  d", "slide camera"},         {"1  2", "switch the lamps"},
    {"m", "sound on - off"},          {"right button", "camera and display menu"},
};
const int helpLineCount = int(sizeof helpLines / sizeof helpLines[0]);

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
    drawPageTitle("Help");
    const float size = 0.07f;
    float y = 0.5f;
    for (const HelpLine& line : helpLines) {
        drawTextRight(line.keys, -0.05f, y, size, 1.0f, 0.5f, 0.1f);
        drawText(line.action, 0.05f, y, size, 0.8f, 0.9f, 1.0f);
        y -= 0.12f;
    }
    drawTextCentered("press fire to go back", 0, -0.78f, 0.08f, 1, 1, 1);
    glEnable(GL_LIGHTING);
}

void drawScoresScreen() {
    glDisable(GL_LIGHTING);
    drawPageTitle("High scores");
    const float size = 0.07f;
    const std::vector<Score>& table = highScores.entries();
    if (table.empty()) {
        drawTextCentered("no game finished yet", 0, 0.2f, size, 0.8f, 0.9f, 1.0f);
    }
    char text[64];
    float y = 0.5f;
    for (int i = 0; i < int(table.size()); ++i) {
        const Score& score = table[std::size_t(i)];
        // The game just finished stands out, the way it is found after Game Over.
        const bool newest = i == highScores.newest();
        const float r = newest ? 1.0f : 0.8f, g = newest ? 1.0f : 0.9f, b = newest ? 0.2f : 1.0f;
        std::snprintf(text, sizeof text, "%d", i + 1);
        drawTextRight(text, -0.62f, y, size, 1.0f, 0.5f, 0.1f);
        std::snprintf(text, sizeof text, "%d", score.points);
        drawTextRight(text, -0.12f, y, size, r, g, b);
        std::snprintf(text, sizeof text, "level %d", score.level);
        drawText(text, -0.02f, y, size, r, g, b);
        drawText(score.date.c_str(), 0.42f, y, size, r, g, b);
        if (newest) {
            drawText("new", -0.9f, y, size, 1.0f, 1.0f, 0.2f);
        }
        y -= 0.11f;
    }
    drawTextCentered("press fire to go back", 0, -0.78f, 0.08f, 1, 1, 1);
    glEnable(GL_LIGHTING);
}

// Drawn after the scene, at a depth behind the overlay's text and in front of
// everything else, so it darkens the city and leaves the letters bright.
void drawBackdrop() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(-1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const float shade[] = {0, 0, 0, backdropAlpha};
    glColor4fv(shade);
    glBegin(GL_QUADS);
    glVertex3f(-1, -1, backdropDepth);
    glVertex3f(1, -1, backdropDepth);
    glVertex3f(1, 1, backdropDepth);
    glVertex3f(-1, 1, backdropDepth);
    glEnd();
    glColor3f(0, 0, 0);
    glDisable(GL_BLEND);
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
