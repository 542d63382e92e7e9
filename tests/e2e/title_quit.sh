#!/usr/bin/env bash
# The title screen shows first; Down, Down and Enter on "Quit" end the game
# with status 0.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

start_game
window=$(wait_for_window)
focus "$window"
sleep 1
screenshot "$window" e2e_title
# "New Game" (white, selected) sits on the band 0.0 to 0.2 of the overlay.
has_colour e2e_title 640x48+0+192 FFFFFF || fail "no highlighted item on the title screen"
has_colour e2e_title 640x48+0+288 B2FF1A || has_colour e2e_title 640x48+0+288 B3FF1A ||
    fail "no green \"Help\" on the title screen"

keys Down Down
screenshot "$window" e2e_title_quit
has_colour e2e_title_quit 640x48+0+384 FFFFFF || fail "\"Quit\" is not highlighted"
keys Return
status=$(wait_for_exit)
[ "$status" = 0 ] || fail "the game ended with status $status"
echo "Quit ended the game with status 0"
