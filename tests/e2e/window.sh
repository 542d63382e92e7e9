#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Every window state the game may meet, from a window placed in a corner with
# no size, with GL asked for errors after every frame: a replay walks through
# each menu toggle and camera mode, full screen and game mode in and out, while
# the window is shrunk to 1 by 1, grown to 2000 by 1500, hidden and shown
# again. The game must run on to the replay's end with no GL error.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

replay=$(mktemp)
trap 'stop_game; rm -f "$replay"' EXIT
{
    echo "vortimbal3 replay 1"
    echo "5 key 13 1"
    echo "6 key 13 -1"
    step=20
    # Bounding cubes, surfaces, full screen, game mode, octrees and clipping on
    # and off again; every distance and camera mode; one "Add Bad Guys".
    for menu in 6 6 14 14 5 5 4 4 15 15 8 8 3 2 1 9 10 17 11 12 13 16; do
        echo "$step menu $menu 0"
        step=$((step + 8))
    done
    echo "end $((step + 40))"
} >"$replay"

export VORTIMBAL_GL_CHECK=1
# Placed in the screen's corner with no size, the window has the game's own.
start_game -geometry -0-0 --replay "$replay"
window=$(wait_for_window)
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
corner=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    END {print x "," y}')
[ "$(window_size "$window")/$corner" = "640x480/$((screen_width - 640)),$((screen_height - 480))" ] ||
    fail "-geometry -0-0 made a window of $(window_size "$window") at $corner on a" \
        "${screen_width}x$screen_height screen"
# Back to the screen's top left corner: a window partly off screen cannot be
# read back for a screenshot.
xdotool windowmove --sync "$window" 0 0 2>/dev/null || xdotool windowmove "$window" 0 0
sleep 1
for size in "1 1" "2000 1500" "640 480"; do
    # shellcheck disable=SC2086
    xdotool windowsize --sync "$window" $size 2>/dev/null || xdotool windowsize "$window" $size
    sleep 0.7
done
xdotool windowunmap --sync "$window"
sleep 0.5
xdotool windowmap --sync "$window"
sleep 0.5
screenshot "$window" e2e_window_states
shown=$(convert "$screenshots/e2e_window_states.png" -format '%[fx:int(1000*mean)]' info:)
[ "$shown" -gt 10 ] || fail "nothing is drawn once the window shows again"
wait_for_exit 30
grep -q "GL error" "$game_log" && fail "GL reported errors"
[ "$status" = 0 ] || fail "the game ended with status $status"
tail -n 1 "$game_log" | grep -q "^level 1, " || fail "the replay did not reach its end"
echo "resizes, hiding, every menu toggle and camera mode: no GL error"
