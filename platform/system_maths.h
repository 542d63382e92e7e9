// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Whether the C library's maths is the one replays recorded before the
// portable maths computed with (glibc's): only then do they end here as they
// claim.
bool systemMathsPlaysOlderReplays();

}  // namespace vortimbal
