// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/system_maths.h"

namespace vortimbal {

// The Windows runtime's sinf and atan2f differ from glibc's in the last bit.
bool systemMathsPlaysOlderReplays() {
    return false;
}

}  // namespace vortimbal
