#pragma once

namespace vortimbal {

// Builds the pop-up menus and attaches them to the right mouse button.
void createMenus();

// Every menu entry, and the title screen's items, by id.
void onMenu(int id);

}  // namespace vortimbal
