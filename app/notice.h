#pragma once

#include <string>

namespace vortimbal {

// A menu switch or a key just changed a setting: "octrees off", "lamp 1 on".
// The overlay shows the line for about two seconds.
void noticeSwitch(const std::string& name, bool on);
// The line to show now; empty once its time is up.
std::string currentNotice();

}  // namespace vortimbal
