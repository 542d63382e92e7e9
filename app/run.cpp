// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/run.h"

#include <utility>

#include "core/random.h"

namespace vortimbal {

ShellRun shellRun;

void Run::swapWithPlayed() {
    random = seedRandom(random);
    std::swap(maths, rulesMaths);
    std::swap(switches, vortimbal::switches);
    std::swap(standing, vortimbal::standing);
    std::swap(camera, vortimbal::camera);
    std::swap(screens, screenState);
    std::swap(settings, vortimbal::settings);
    std::swap(shell, shellRun);
}

}  // namespace vortimbal
