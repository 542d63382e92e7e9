#!/usr/bin/env bash
# A player's walk through the screens: the help page and back, a new game with
# its head-up display, pause and resume, and the right-button menu.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

start_game
window=$(wait_for_window)
focus "$window"
sleep 1

keys Down Return
screenshot "$window" e2e_help
has_colour e2e_help 640x60+0+40 B2FF1A || has_colour e2e_help 640x60+0+40 B3FF1A ||
    fail "the help page has no title"
keys space Up Return
sleep 0.5
screenshot "$window" e2e_hud
# The score line's blue at the top right, and no title menu any more.
has_colour e2e_hud 200x30+440+0 B2B2FF || has_colour e2e_hud 200x30+440+0 B3B3FF ||
    fail "no score line at the top right"
shows_title e2e_hud && fail "the title screen is still shown"

keys Escape
screenshot "$window" e2e_paused
shows_title e2e_paused || fail "Escape did not show the title"
keys Escape
screenshot "$window" e2e_resumed
shows_title e2e_resumed && fail "a second Escape did not resume"

# GLUT menus stay open while the button is held; releasing on the first
# entry of the main menu, "Add Bad Guys", brings fifty more.
viewable_windows() {
    local id count=0
    for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
        xwininfo -id "$id" | grep -q IsViewable && count=$((count + 1))
    done
    echo "$count"
}
crop_count() { convert "$screenshots/$1.png" -crop 120x40+260+440 +repage "$screenshots/$1_count.png"; }
crop_count e2e_resumed
before=$(viewable_windows)
xdotool mousemove --window "$window" 100 300 mousedown 3
sleep 0.5
after=$(viewable_windows)
xdotool mousemove --window "$window" 130 310 mouseup 3
[ "$after" -gt "$before" ] || fail "the right button opened no menu"
sleep 0.5
screenshot "$window" e2e_more_bad_guys
crop_count e2e_more_bad_guys
difference=$(compare -metric AE "$screenshots/e2e_resumed_count.png" \
    "$screenshots/e2e_more_bad_guys_count.png" /dev/null 2>&1 || true)
[ "${difference%% *}" != 0 ] || fail "\"Add Bad Guys\" did not change the count of bad guys"
kill -0 "$game_pid" 2>/dev/null || fail "the game stopped"
echo "help, new game, pause, resume and the menu all worked"
