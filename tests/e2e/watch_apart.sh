#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Replays watched in the middle of a paused game leave it as it was, whatever
# they did: after each the game resumes and moves, and at its end the game's
# kept replay and the whole run's recording both play to where it ended. Fire
# on a page of games is recorded as what it did, so a run replays the same
# with another table or none.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

replays="$XDG_DATA_HOME/vortimbal3/replays"
head=$'vortimbal3 replay 2\ndifficulty normal'
new_game=$'1 key 13 1\n1 key 13 -1'
adds=$(for s in 10 13 16 19 22 25; do printf '%s menu-open 1 0\n%s menu 16 0\n%s menu-open 0 0\n' \
    "$s" "$((s + 1))" "$((s + 2))"; done)
# Each watched from the Replays page, then stopped with Escape 1.5 s in.
cases=(
    "menu left open|$head"$'\n5 menu-open 1 0\nend 10'
    "every display switch|$head"$'\n1 menu 6 0\n1 menu 8 0\n1 menu 14 0\n1 menu 15 0\nend 10'
    "full screen and game mode|$head"$'\n1 menu 5 0\n2 menu 4 0\nend 10'
    "paused|$head"$'\n'"$new_game"$'\n5 key 27 1\n6 key 27 -1\nend 40'
    "bad guys added, left while found|$head"$'\ngame 1000000\n'"$new_game"$'\n'"$adds"$'\n30 menu-open 1 0\n990000 menu-open 0 0\nend 1000010'
    "cut short|$head"$'\n'"$new_game"$'\n3 action 4 1'
    "false claim|$head"$'\n'"$new_game"$'\nend 20 level 9, score 9990, 1 citizens and 0 bad guys left on normal'
    "screenshot key|$head"$'\n1 action 20 1\n1 action 20 -1\nend 10'
)

# Tells whether the game moves: two screenshots while the player walks differ.
moves() {
    screenshot "$window" e2e_apart_before
    xdotool keydown Up
    sleep 0.8
    screenshot "$window" e2e_apart_after
    xdotool keyup Up
    local changed
    changed=$(compare -metric AE "$screenshots/e2e_apart_before.png" \
        "$screenshots/e2e_apart_after.png" null: 2>&1 || true)
    [ "${changed%% *}" -gt 500 ]
}

# A game recorded with fire on the empty High scores page, which goes back to
# the title; Escape then resumes.
run=$(mktemp)
start_game --record "$run"
window=$(wait_for_window)
focus "$window"
keys Return space Escape Down Down Down Return Return Escape
sleep 6
keys Escape Down Down Down Down Down Down Return
wait_for_exit 10
first_end=$(tail -n 1 "$game_log")
mkdir -p "$replays"
cp "$run" "$replays/2000-01-01-000001-1.replay"
printf 'vortimbal3 high scores 1\n2420 3 2026-12-07 normal %s\n' "$(ls "$replays" | sort | tail -n 1)" \
    >"$XDG_DATA_HOME/vortimbal3/scores"
start_game --record "$run"
window=$(wait_for_window)
focus "$window"
# Watched with a table, it must still play to its claim.
keys Down Down Down Return Down Return
for _ in $(seq 40); do grep -q "^The replay ends" "$game_log" && break; sleep 0.5; done
grep -q "^The replay ends as it claims: $first_end$" "$game_log" ||
    fail "fire on a page, watched with a table: $(grep "^The replay ends" "$game_log")"
first="$replays/2000-01-01-000001-1.replay"
said=$(cd "$data" && XDG_DATA_HOME=/nonexistent env -u DISPLAY "$binary" --verify "$first" 2>&1) ||
    fail "fire on a page, checked with no table nor folder: $said"
rm "$first"
keys Escape Escape Up Up Up Return
moves || fail "the game does not move"
for i in "${!cases[@]}"; do
    # The Replays page lists the two games played first, then this one.
    watched="$replays/2000-01-01-0000$((10 + i))-1.replay"
    printf '%s\n' "${cases[$i]#*|}" >"$watched"
    keys Escape Down Down Down Down Return Down Down Return
    sleep 1.5
    grep -q "Watching the replay $watched$" "$game_log" || fail "${cases[$i]%%|*}: not watched"
    rm "$watched"
    keys Escape Escape Escape
    [ "$(window_size "$window")" = 640x480 ] || fail "${cases[$i]%%|*}: the window is $(window_size "$window")"
    moves || fail "after a watched replay with ${cases[$i]%%|*}, the game does not move"
done
keys Escape Down Down Down Down Down Down Return
wait_for_exit 10
[ "$status" = 0 ] || fail "the game ended with $status"
[ -z "$(find "$XDG_DATA_HOME" -name '*.png')" ] || fail "a watched replay took a screenshot"
ended=$(tail -n 1 "$game_log")
kept=$(ls "$replays" | sort | tail -n 1)
for file in "$run" "$replays/$kept"; do
    said=$(cd "$data" && env -u DISPLAY "$binary" --verify "$file" 2>&1) ||
        fail "$file does not end as it claims after the watched replays: $said"
    [ "$(tail -n 1 <<<"$said")" = "$ended" ] || fail "$file plays to \"$said\", not \"$ended\""
done
rm -f "$run"
echo "the paused game moved after each of ${#cases[@]} watched replays and replays to: $ended"
