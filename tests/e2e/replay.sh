#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# The strongest guard of the rules: a game kept as a replay, made by
# tools/scripted_player.cpp (two levels cleared, then "Add Bad Guys" and 200
# more steps), must end exactly where it ended when it was recorded. A change
# to any rule of the game shows here; if the change is meant, record the
# replay again: scripted_player two_levels.replay 2, from data/, under a display.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

expected="level 3, score 2420, 14 citizens and 63 bad guys left"
replay=$(realpath "$(dirname "$0")/two_levels.replay")
ended=$(cd "$data" && "$binary" --replay "$replay" --fast --no-draw | tail -n 1)
[ "$ended" = "$expected" ] || fail "the kept replay ended with \"$ended\", not \"$expected\""
echo "the kept replay ended as recorded: $ended"
