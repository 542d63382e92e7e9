#include "app/notice.h"

#include "app/frame_clock.h"

namespace vortimbal {

namespace {

constexpr long shownSteps = 40;

std::string notice;
long shownUntil = -1;

}  // namespace

void noticeSwitch(const std::string& name, bool on) {
    notice = name + (on ? " on" : " off");
    shownUntil = stepsTaken + shownSteps;
}

std::string currentNotice() {
    return stepsTaken < shownUntil ? notice : std::string();
}

}  // namespace vortimbal
