// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vortimbal {

using ChildId = std::intptr_t;
constexpr ChildId noChild = -1;

// `program` with `arguments`, its output thrown away, in a process that dies
// with this one however this one ends; noChild when it cannot start.
ChildId startQuietChild(const std::string& program, const std::vector<std::string>& arguments);

// The child's exit status once it has ended (128 plus the signal that ended
// it), else -1; its handle is gone once it has told.
int childStatus(ChildId child);

// Ends the child and waits for it.
void endChild(ChildId child);

// Runs `program` to its end and returns its exit status (as childStatus, or
// 127 when it cannot start); `said` gets the last `keep` bytes it wrote.
int runToEnd(const std::string& program, const std::vector<std::string>& arguments,
             std::string& said, std::size_t keep);

}  // namespace vortimbal
