// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/screen_state.h"

namespace vortimbal {

ScreenState screenState;

}  // namespace vortimbal
