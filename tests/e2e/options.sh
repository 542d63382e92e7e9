#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# A player who moves fire to another key on the Options page finds it there at
# the next start: the new key fires, the old one does not, and the game, kept
# as a replay, plays back the same with whatever keys.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

start_game
window=$(wait_for_window)
focus "$window"
# Title: New Game, Help, High scores, Replays, Options. On the page, fire is the 19th row.
keys Down Down Down Down Return
keys $(printf 'Down %.0s' {1..18}) Return
screenshot "$window" e2e_options_prompt
keys x
screenshot "$window" e2e_options
keys Escape Down Return
wait_for_exit
grep -q "^fire = x$" "$XDG_CONFIG_HOME/vortimbal3/settings.ini" ||
    fail "fire = x is not in the settings: $(cat "$XDG_CONFIG_HOME/vortimbal3/settings.ini")"

replay=$(mktemp)
start_game --record "$replay"
window=$(wait_for_window)
focus "$window"
keys Return space x x Escape Down Down Down Down Down Down Return
wait_for_exit
fired=$(grep -c " action 4 1$" "$replay" || true)
[ "$fired" = 2 ] || fail "x fired $fired times and space as well, or not at all: $(cat "$replay")"
recorded=$(tail -n 1 "$game_log")
# The replay runs with the default keys: it recorded actions, not keys.
rm -rf "${XDG_CONFIG_HOME:?}"/vortimbal3
replayed=$(cd "$data" && "$binary" --replay "$replay" --fast --no-draw | tail -n 1)
rm -f "$replay"
[[ "$recorded" == level* && "$replayed" == "$recorded" ]] ||
    fail "the game ended with \"$recorded\" but its replay with \"$replayed\""
echo "fire moved to x on the Options page: kept, x fires and space does not; replayed to \"$recorded\""

# --difficulty holds for the run: a change on the page's difficulty row plays
# no game at another difficulty and saves nothing, and the run's replay agrees.
for flag in hard easy; do
    start_game --difficulty "$flag" --record "$replay"
    window=$(wait_for_window)
    focus "$window"
    keys Down Down Down Down Return Right
    screenshot "$window" "e2e_options_$flag"
    keys Escape Up Up Up Up Return Escape Down Down Down Down Down Down Return
    wait_for_exit
    [[ "$(tail -n 1 "$replay")" == *" on $flag" ]] || fail "not played on $flag: $(tail -n 1 "$replay")"
    [ ! -e "$XDG_CONFIG_HOME/vortimbal3/settings.ini" ] ||
        fail "saved: $(cat "$XDG_CONFIG_HOME/vortimbal3/settings.ini")"
    (cd "$data" && "$binary" --verify "$replay" >/dev/null) || fail "its replay does not hold $flag"
done
rm -f "$replay"
echo "--difficulty hard and easy hold against the Options page, unsaved, and in their replays"
