#!/usr/bin/env bash
# A player's walk through the game: the 640x480 window and its title screen,
# the help page and back, a new game with its head-up display, walking and
# firing, pause and resume, the right-button menu, and "Quit" with status 0.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

start_game
window=$(wait_for_window)
for _ in $(seq 50); do
    [ "$(window_size "$window")" = "640x480" ] && break
    sleep 0.1
done
[ "$(window_size "$window")" = "640x480" ] || fail "the window is $(window_size "$window")"
focus "$window"
sleep 1
screenshot "$window" e2e_title
shows_title e2e_title || fail "no title"
# "New Game" (white, selected) sits on the band 0.0 to 0.2 of the overlay.
has_colour e2e_title 640x48+0+192 FFFFFF || fail "no highlighted item on the title screen"

keys Down Return
screenshot "$window" e2e_help
has_colour e2e_help 640x60+0+40 B2FF1A || has_colour e2e_help 640x60+0+40 B3FF1A ||
    fail "the help page has no title"
keys space Up Return
screenshot "$window" e2e_hud
# The score line's blue at the top right, and no title any more.
has_colour e2e_hud 200x30+440+0 B2B2FF || has_colour e2e_hud 200x30+440+0 B3B3FF ||
    fail "no score line at the top right"
shows_title e2e_hud && fail "the title screen is still shown"

xdotool keydown Up
sleep 1
xdotool keyup Up
keys space
screenshot "$window" e2e_walked
difference=$(compare -metric AE "$screenshots/e2e_hud.png" "$screenshots/e2e_walked.png" \
    /dev/null 2>&1 || true)
[ "${difference%% *}" -gt 10000 ] || fail "walking did not change the view ($difference pixels)"

keys Escape
screenshot "$window" e2e_paused
shows_title e2e_paused || fail "Escape did not show the title"
keys Escape
screenshot "$window" e2e_resumed
shows_title e2e_resumed && fail "a second Escape did not resume"

# GLUT menus stay open while the button is held; releasing on the first entry
# of the main menu, "Add Bad Guys", brings fifty more.
crop_count() { convert "$screenshots/$1.png" -crop 120x40+260+440 +repage "$screenshots/$1_count.png"; }
crop_count e2e_resumed
xdotool mousemove --window "$window" 100 300 mousedown 3
sleep 0.5
xdotool mousemove --window "$window" 130 310 mouseup 3
sleep 0.5
screenshot "$window" e2e_more_bad_guys
crop_count e2e_more_bad_guys
difference=$(compare -metric AE "$screenshots/e2e_resumed_count.png" \
    "$screenshots/e2e_more_bad_guys_count.png" /dev/null 2>&1 || true)
[ "${difference%% *}" != 0 ] || fail "\"Add Bad Guys\" did not change the count of bad guys"

keys Escape Down Down
screenshot "$window" e2e_title_quit
has_colour e2e_title_quit 640x48+0+384 FFFFFF || fail "\"Quit\" is not highlighted"
keys Return
status=$(wait_for_exit)
[ "$status" = 0 ] || fail "the game ended with status $status"
echo "title, help, new game, walking, pause, menu and Quit all worked"
