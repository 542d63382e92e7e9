// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/system_maths.h"

#include <cstdlib>

namespace vortimbal {

bool systemMathsPlaysOlderReplays() {
#ifdef __GLIBC__
    return true;
#else
    return false;
#endif
}

}  // namespace vortimbal
