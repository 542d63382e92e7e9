#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# The pad's path through the real game, with the virtual pad a test script
# plays: A clears the title, the left stick walks, the right trigger fires, and
# the game, recorded, replays to the same end.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

# STEP button|axis N VALUE, with SDL's numbers: button 0 is A, axis 1 the left
# stick's up and down (negative up), axis 5 the right trigger.
pad=$(mktemp)
cat >"$pad" <<'PAD'
20 button 0 1
22 button 0 0
30 axis 1 -32767
70 axis 1 0
72 axis 5 32767
74 axis 5 0
PAD
replay=$(mktemp)
VORTIMBAL_TEST_PAD=$pad start_game --record "$replay"
window=$(wait_for_window)
sleep 1
screenshot "$window" e2e_pad_start
sleep 4
screenshot "$window" e2e_pad_walked
shows_title e2e_pad_walked && fail "A did not start a game from the title"
kill -TERM "$game_pid"
wait_for_exit
recorded=$(tail -n 1 "$game_log")
grep -q " walk 1000 0$" "$replay" || fail "the stick did not walk: $(cat "$replay")"
grep -q " action 4 1$" "$replay" || fail "the trigger did not fire: $(cat "$replay")"
replayed=$(cd "$data" && "$binary" --replay "$replay" --fast --no-draw | tail -n 1)
rm -f "$replay" "$pad"
[[ "$recorded" == level* && "$replayed" == "$recorded" ]] ||
    fail "the game ended with \"$recorded\" but its replay with \"$replayed\""
echo "a pad cleared the title, walked and fired; replayed to \"$recorded\""
