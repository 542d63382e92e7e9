#!/usr/bin/env bash
# A held key is one press and one release, however long the system repeats it:
# held Escape neither flickers between play and the title nor ends unpaused,
# held Space on the title starts no game until it is let go.
set -euo pipefail
set -- "$(realpath "$1")" "$2"
source "$(dirname "$0")/lib/game.bash"

score() { convert "$screenshots/$1.png" -crop 200x30+440+0 +repage -fuzz 3% -fill black \
    +opaque '#B3B3FF' -format '%#' info:; }
# Holds a key for $2 seconds, with a screenshot $3 halfway through.
hold() { xdotool keydown "$1"; sleep "$2"; screenshot "$window" "$3"; sleep "$2"; xdotool keyup "$1"; sleep 0.2; }

start_game
window=$(wait_for_window)
focus "$window"
sleep 1
keys Return
screenshot "$window" e2e_held_start  # score 0: nobody has had time to shoot
hold Escape 0.8 e2e_held_escape
shows_title e2e_held_escape && fail "a held Escape paused before it was let go"
screenshot "$window" e2e_held_paused
shows_title e2e_held_paused || fail "a held Escape did not end on the title"
hold space 1 e2e_held_space
shows_title e2e_held_space || fail "a held Space started a game before it was let go"
screenshot "$window" e2e_held_new_game
[ "$(score e2e_held_new_game)" = "$(score e2e_held_start)" ] || fail "a held Space fired again"
echo "held Escape and Space each acted once"
