// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "core/diagnostics.h"

namespace vortimbal {

void reportError(const char* message, std::ostream& stream) {
    stream << "ERROR: " << message << '\n';
}

}  // namespace vortimbal
