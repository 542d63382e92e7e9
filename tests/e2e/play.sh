#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# A player's walk through the game: the 640x480 window and its title screen,
# the help page and back, a new game with its head-up display, walking and
# firing, keys held down as long as the system repeats them, pause and resume,
# a hidden window pausing, the right-button menu, the high scores page, and
# "Quit" with status 0. First of all, started where
# there are no models it says what is missing and where it looked, with status 1.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

empty=$(mktemp -d)
status=0
errors=$(cd "$empty" && "$binary" 2>&1 >/dev/null) || status=$?
rmdir "$empty"
[ "$status" = 1 ] && grep -q "^ERROR: Unable to open the file$" <<<"$errors" &&
    grep -q "obj/ and bmp/ below the working directory $empty" <<<"$errors" ||
    fail "without data the game ended with status $status and said: $errors"

# Holds a key for twice $2 seconds, with a screenshot $3 halfway through.
hold() { xdotool keydown "$1"; sleep "$2"; screenshot "$window" "$3"; sleep "$2"; xdotool keyup "$1"; sleep 0.3; }
# The score line alone: its blue pixels, everything else black, as a hash.
score() { convert "$screenshots/$1.png" -crop 200x30+440+0 +repage -fuzz 3% -fill black \
    +opaque '#B3B3FF' -format '%#' info:; }
# The pixels that differ between two screenshots, within a region if one is given.
differ() { compare -metric AE ${3:+-extract "$3"} "$screenshots/$1.png" "$screenshots/$2.png" /dev/null 2>&1 || true; }

replay=$(mktemp)
start_game --record "$replay"
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

hold Up 0.5 e2e_walking
keys space
screenshot "$window" e2e_walked
[ "$(differ e2e_hud e2e_walked)" -gt 10000 ] || fail "walking did not change the view"

hold Escape 0.8 e2e_held_escape
shows_title e2e_held_escape && fail "a held Escape paused before it was let go"
screenshot "$window" e2e_paused
shows_title e2e_paused || fail "a held Escape did not end on the title"
# "Resume" (white, chosen) heads the paused title, above "New Game".
has_colour e2e_paused 640x36+0+172 FFFFFF || fail "the paused title does not offer \"Resume\""
keys Escape
screenshot "$window" e2e_resumed
shows_title e2e_resumed && fail "a second Escape did not resume"
# A window that cannot be seen pauses the game, and showing it again does not resume.
xdotool windowunmap --sync "$window"
sleep 0.5
xdotool windowmap --sync "$window"
focus "$window"
screenshot "$window" e2e_unmapped
shows_title e2e_unmapped || fail "a hidden window did not pause the game"
keys Escape

# GLUT menus stay open while the button is held; in play the pointer is held at
# the window's centre, where the menu opens, and releasing on its first entry,
# "Add Bad Guys", brings fifty more: the count's dark red digits, "60" for "10".
sleep 0.3
xdotool mousedown 3
sleep 0.5
xdotool mousemove_relative -- 30 10 mouseup 3
sleep 0.5
screenshot "$window" e2e_more_bad_guys
[ "$(digits e2e_more_bad_guys)" -gt "$(digits e2e_resumed)" ] ||
    fail "\"Add Bad Guys\" did not change the count of bad guys"

keys Escape Down
hold space 1 e2e_held_space
shows_title e2e_held_space || fail "a held Space started a game before it was let go"
screenshot "$window" e2e_new_game
[ "$(score e2e_hud)" = "$(score e2e_new_game)" ] || fail "a held Space fired in the new game"
keys Escape Down Down Down Return
screenshot "$window" e2e_scores
has_colour e2e_scores 640x60+0+40 B2FF1A || has_colour e2e_scores 640x60+0+40 B3FF1A ||
    fail "the high scores page has no title"
keys Escape Down Down Down
screenshot "$window" e2e_title_quit
has_colour e2e_title_quit 640x40+0+400 FFFFFF || fail "\"Quit\" is not highlighted"
keys Return
wait_for_exit
[ "$status" = 0 ] || fail "the game ended with status $status"
recorded=$(tail -n 1 "$game_log")
# The whole walk, checked with no display, ends exactly as the game did and as its end claims.
replayed=$(cd "$data" && env -u DISPLAY "$binary" --verify "$replay" | tail -n 1) ||
    fail "the replay does not end as it claims"
claim=$(tail -n 1 "$replay")
rm -f "$replay"
[[ "$recorded" == level* && "$replayed" == "$recorded" && "$claim" == "end "*" $recorded on normal" ]] ||
    fail "the game ended with \"$recorded\" but its replay with \"$replayed\" ($claim)"
echo "title, help, new game, walking, held keys, pause, hiding, menu, scores, Quit and the"
echo "replay of it all worked: $recorded"
