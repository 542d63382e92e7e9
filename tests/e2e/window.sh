#!/usr/bin/env bash
# The game opens one 640 by 480 window titled "Vortimbal 3" and keeps running.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

start_game
window=$(wait_for_window)
for _ in $(seq 50); do
    [ "$(window_size "$window")" = "640x480" ] && break
    sleep 0.1
done
size=$(window_size "$window")
[ "$size" = "640x480" ] || fail "the window is $size, not 640x480"
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the game stopped on its own"
screenshot "$window" window
echo "window $window is 640x480; screenshot in $screenshots/window.png"
