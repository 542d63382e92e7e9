#pragma once

namespace vortimbal {

// Menu ids of the title screen's items, shared with the pop-up menu.
enum TitleItem { QuitItem = 18, NewGameItem = 19, HelpItem = 20 };

void drawTitleScreen();
// The controls, shown in place of the title's menu.
void drawHelpScreen();
void titleCursorUp();
void titleCursorDown();

}  // namespace vortimbal
