#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Every game keeps its replay as it is played, so a game killed halfway still
# replays; on the High scores page the arrows choose a game, fire plays its
# replay in the window and Escape comes back; a score its replay does not bear
# out is marked.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

replays="$XDG_DATA_HOME/vortimbal3/replays"
start_game
window=$(wait_for_window)
focus "$window"
keys Return space space Escape
# Killed once the pause, the last thing played, is on disk.
for _ in $(seq 50); do
    tail -q -n 1 "$replays"/* 2>/dev/null | grep -q " action 5 -1$" && break
    sleep 0.2
done
kill -KILL "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""
killed=$(ls "$replays")
[ "$(wc -w <<<"$killed")" = 1 ] || fail "a killed game kept \"$killed\", not one replay"
[ "$(tail -n 1 "$replays/$killed" | cut -d' ' -f2-)" = "action 5 -1" ] ||
    fail "the killed game's replay ends with \"$(tail -n 1 "$replays/$killed")\""
said=$(cd "$data" && env -u DISPLAY "$binary" --verify "$replays/$killed" 2>&1) ||
    fail "the killed game's replay does not play: $said"
grep -q "cut short" <<<"$said" || fail "not told the replay was cut short: $said"
echo "a game killed halfway replays to its last input: $(tail -n 1 <<<"$said")"

# Two table entries on the kept replay: one as it ended, one with its score edited.
expected="level 3, score 2420, 14 citizens and 63 bad guys left"
true_one=2000-01-01-120000-1.replay edited=2000-01-01-120100-1.replay
sed "\$s/\$/ $expected on normal/" "$(dirname "$0")/two_levels.replay" >"$replays/$true_one"
cp "$replays/$true_one" "$replays/$edited"
printf 'vortimbal3 high scores 1\n2430 3 2026-12-07 normal %s\n2420 3 2026-12-07 normal %s\n' \
    "$edited" "$true_one" >"$XDG_DATA_HOME/vortimbal3/scores"
# A game is under way, paused, while the replay is watched.
run=$(mktemp)
start_game --record "$run"
window=$(wait_for_window)
focus "$window"
keys Return space Escape Down Down Down Return
sleep 6 # the page checks each replay with the game's own --verify
screenshot "$window" e2e_watch_scores
# The edited score's row, the first, is marked with a red "x".
has_colour e2e_watch_scores 60x25+0+115 FF594C || fail "the edited score is not marked"
! has_colour e2e_watch_scores 60x25+0+143 FF594C || fail "the true score is marked"
keys Down Return
sleep 2
screenshot "$window" e2e_watch_playing
grep -q "Watching .*$true_one" "$game_log" || fail "the chosen game's replay did not play"
shows_city e2e_watch_playing || fail "the replay does not show the city"
keys Escape
screenshot "$window" e2e_watch_back
has_colour e2e_watch_back 640x60+0+40 B2FF1A || has_colour e2e_watch_back 640x60+0+40 B3FF1A ||
    fail "Escape did not come back to the High scores page"
# Back in the paused game, played on, then Quit.
keys Escape Up Up Up Return space
sleep 8 # long enough for the bad guys' shots, drawn from the random sequence, to tell
keys Escape Down Down Down Down Down Down Return
wait_for_exit
[ "$status" = 0 ] || fail "the game ended with $status"
ls "$replays" | grep -q "^$true_one$" || fail "the table's replay was removed"
[ "$(ls "$replays" | wc -l)" = 4 ] || fail "watching kept a replay of its own: $(ls "$replays")"
# The watched replay left the run as it was: the run and its game replay to where they ended.
ended=$(tail -n 1 "$game_log")
for file in "$run" "$replays/$(ls "$replays" | sort | tail -n 1)"; do
    said=$(cd "$data" && env -u DISPLAY "$binary" --verify "$file" 2>&1) ||
        fail "$file does not end as it claims after a watched replay: $said"
    [ "$(tail -n 1 <<<"$said")" = "$ended" ] || fail "$file plays to \"$said\", not \"$ended\""
done
rm -f "$run"

# Stopped by a signal while it watches, the game ends as the player's run, not as a replay cut short.
start_game
window=$(wait_for_window)
focus "$window"
keys Down Down Return Return
sleep 1
kill -TERM "$game_pid"
wait_for_exit
[ "$status" = 0 ] || fail "stopped while watching, the game ended with $status"
[ "$(tail -n 1 "$game_log")" = "no game played" ] ||
    fail "stopped while watching, the game told of the replay: $(tail -n 1 "$game_log")"
echo "the High scores page plays the chosen game's replay, marks the edited score and comes back;"
echo "the game paused meanwhile and the whole run still replay to where they ended: $ended"
