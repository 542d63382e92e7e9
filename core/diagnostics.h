// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <iostream>

namespace vortimbal {

// Writes "ERROR: " and the message as one line, to standard error unless told otherwise.
void reportError(const char* message, std::ostream& stream = std::cerr);

}  // namespace vortimbal
