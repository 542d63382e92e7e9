#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Mouse aim: in play the pointer is hidden and held at the window's centre, a
# sideways move turns the player and the left button fires; on a pause it is
# free again, and taken back on resume wherever it was left. The game, recorded, replays to the same end: the turns are kept.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

# The pointer's place, as "X Y" on the screen.
pointer() { xdotool getmouselocation --shell | awk -F= '/^[XY]=/ {printf "%s ", $2}'; }
differ() { compare -metric AE "$screenshots/$1.png" "$screenshots/$2.png" /dev/null 2>&1 || true; }

replay=$(mktemp)
start_game --record "$replay"
window=$(wait_for_window)
focus "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
centre="$((X + 320)) $((Y + 240)) "
xdotool mousemove --window "$window" 100 100
sleep 0.5
[ "$(pointer)" != "$centre" ] || fail "the title took the pointer"
keys Return
sleep 0.5
[ "$(pointer)" = "$centre" ] || fail "in play the pointer is at $(pointer), not held at $centre"
screenshot "$window" e2e_mouse_before
xdotool mousemove_relative -- 200 0
sleep 0.6
screenshot "$window" e2e_mouse_turned
[ "$(differ e2e_mouse_before e2e_mouse_turned)" -gt 30000 ] || fail "a move of the mouse did not turn the view"
[ "$(pointer)" = "$centre" ] || fail "the pointer was let go after a move: $(pointer)"
xdotool click 1
sleep 0.3
keys Escape
xdotool mousemove --window "$window" 50 50
sleep 0.3
[ "$(pointer)" != "$centre" ] || fail "the paused game keeps the pointer"
# Left outside the window during the pause, the pointer is taken back on resume.
xdotool mousemove $((X + 800)) $((Y + 100))
sleep 0.3
keys Escape
sleep 0.5
[ "$(pointer)" = "$centre" ] || fail "resumed with the pointer outside, play did not take it back"
screenshot "$window" e2e_mouse_resumed
xdotool mousemove_relative -- 200 0
sleep 0.6
screenshot "$window" e2e_mouse_turned_again
[ "$(differ e2e_mouse_resumed e2e_mouse_turned_again)" -gt 30000 ] ||
    fail "after the resume a move of the mouse did not turn the view"
keys Escape
keys Down Down Down Down Down Down Return
wait_for_exit
recorded=$(tail -n 1 "$game_log")
grep -q " turn " "$replay" || fail "no turn recorded: $(cat "$replay")"
grep -q " action 4 1$" "$replay" || fail "the left button did not fire: $(cat "$replay")"
replayed=$(cd "$data" && "$binary" --replay "$replay" --fast --no-draw | tail -n 1)
rm -f "$replay"
[[ "$recorded" == level* && "$replayed" == "$recorded" ]] ||
    fail "the game ended with \"$recorded\" but its replay with \"$replayed\""
echo "the mouse turned the player and fired, held only in play; replayed to \"$recorded\""
