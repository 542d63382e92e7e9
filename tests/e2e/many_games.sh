#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# A long run of short games in one process, each begun with New Game from a
# pause, on every difficulty in turn, with walking, turning by key and mouse,
# firing and now and then "Add Bad Guys". Every game keeps a replay that must
# verify, and the last game's replay must be about as big per step and as
# quick to verify as the first's: a game's replay holds that game, not the run.
set -euo pipefail
shopt -s nullglob
source "$(dirname "$0")/lib/game.bash"

games=20
factor=3 # how much more the last game's replay may take than the first's
replays="$XDG_DATA_HOME/vortimbal3/replays"
copies="$XDG_DATA_HOME/copies" # out of the folder's pruning, gone with it at the end
mkdir -p "$copies"
difficulty=normal
planned=()
# Fifty more bad guys in the second game of every four: not in the first or the
# last, kept alike to compare.
adds_bad_guys() { [ $(($1 % 4)) = 2 ]; }

# Copies the replays of the games ended so far: all but the newest, the one
# played, or all of them with $1 = 0 once the game has quit.
copy_ended() {
    local made=("$replays"/*.replay) file
    for file in "${made[@]:0:${#made[@]} - ${1:-1}}"; do
        [ -e "$copies/${file##*/}" ] || cp "$file" "$copies/"
    done
}

# The pointer is held at the window's centre in play, where the menu opens;
# its first entry is "Add Bad Guys".
add_bad_guys() {
    xdotool mousedown 3
    sleep 0.5
    xdotool mousemove_relative -- 30 10 mouseup 3
    sleep 0.3
}

# A few seconds of play, the same in every game so the first and last compare.
play() {
    xdotool keydown Up
    sleep 0.6
    xdotool keyup Up
    keys Left space
    xdotool mousemove_relative -- 150 0
    sleep 0.3
    keys space
}

# From a pause, the title's "Options" then its first row, difficulty, one step on:
# normal, hard, easy, normal again. Back on the title "New Game" is four rows up.
next_difficulty() {
    keys Escape Down Down Down Down Down Return Right Escape Up Up Up Up
    case $difficulty in normal) difficulty=hard ;; hard) difficulty=easy ;; easy) difficulty=normal ;; esac
}

start_game
window=$(wait_for_window)
focus "$window"
keys Return
for game in $(seq "$games"); do
    planned+=("$difficulty")
    if [ "$game" -gt 1 ]; then
        copy_ended
        copied=("$copies"/*.replay)
        [ "${#copied[@]}" = $((game - 1)) ] || {
            screenshot "$window" e2e_many_games_lost
            fail "game $game did not start a replay of its own (see e2e_many_games_lost.png)"
        }
    fi
    play
    ! adds_bad_guys "$game" || add_bad_guys
    if [ "$game" = "$games" ]; then
        # "Quit", six rows down, reached quickly: the last game lasts as long as the first.
        keys Escape
        xdotool key --delay 80 Down Down Down Down Down Down
        keys Return
    elif [ $((game % 5)) = 0 ]; then # the last five back on normal, as the first
        next_difficulty
        keys Return
    else
        keys Escape Down Return
    fi
done
wait_for_exit
[ "$status" = 0 ] || fail "the game ended with status $status"
copy_ended 0

# The inputs of a replay's own game, from the step its "game" line names.
own_inputs() { awk '$1 == "game" {start = $2} start != "" && $1 ~ /^[0-9]+$/ && $1 >= start' "$1"; }
# The steps a replay's game lasted, from its "game" line to its "end".
steps_of() { awk '$1 == "game" && start == "" {start = $2} $1 == "end" {print $2 - start}' "$1"; }
# The quickest of three --verify runs, in milliseconds: the least disturbed.
verify_ms() {
    local best=0 began took
    for _ in 1 2 3; do
        began=$(date +%s%N)
        (cd "$data" && env -u DISPLAY "$binary" --verify "$1" >/dev/null) || fail "$1 does not verify"
        took=$((($(date +%s%N) - began) / 1000000))
        [ "$best" != 0 ] && [ "$best" -le "$took" ] || best=$took
    done
    echo "$best"
}

files=("$copies"/*.replay)
[ "${#files[@]}" = "$games" ] || fail "$games games kept ${#files[@]} replays"
said=$(cd "$data" && env -u DISPLAY "$binary" --verify "${files[@]}") ||
    fail "not every game's replay plays to its claim: $said"
for i in "${!files[@]}"; do
    file=${files[$i]} game=$((i + 1))
    grep -q "^$file: level " <<<"$said" || fail "game $game's replay had no closing line: $said"
    [[ "$(tail -n 1 "$file")" == *" on ${planned[$i]}" ]] ||
        fail "game $game was not played on ${planned[$i]}: $(tail -n 1 "$file")"
    inputs=$(own_inputs "$file")
    grep -q " turn " <<<"$inputs" || fail "game $game's replay holds no mouse turn of its own"
    grep -q " action 4 1$" <<<"$inputs" || fail "game $game's replay holds no shot of its own"
    ! adds_bad_guys "$game" || grep -q " menu " <<<"$inputs" ||
        fail "game $game's replay holds no \"Add Bad Guys\""
done
echo "$games games on easy, normal and hard, each with its replay verified"

# $1 / $2 to one decimal, and whether such a ratio is within the factor.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.1f", a / b}'; }
within() { awk -v r="$1" -v f="$factor" 'BEGIN {exit !(r <= f)}'; }

first=${files[0]} last=${files[-1]}
first_bytes=$(stat -c %s "$first") last_bytes=$(stat -c %s "$last")
first_steps=$(steps_of "$first") last_steps=$(steps_of "$last")
first_ms=$(verify_ms "$first") last_ms=$(verify_ms "$last")
per_step=$(ratio "$((last_bytes * first_steps))" "$((first_bytes * last_steps))")
check_time=$(ratio "$last_ms" "$first_ms")
echo "first game: $first_bytes bytes over $first_steps steps ($(ratio "$first_bytes" "$first_steps")" \
    "a step), verified in $first_ms ms"
echo "last game:  $last_bytes bytes over $last_steps steps ($(ratio "$last_bytes" "$last_steps")" \
    "a step), verified in $last_ms ms"
echo "last against first: ${per_step}x the bytes a step, ${check_time}x the check time"
within "$per_step" || fail "the last game's replay takes ${per_step}x the first's bytes a step," \
    "over the limit of ${factor}x: it holds more than its own game"
within "$check_time" || fail "the last game's replay takes ${check_time}x as long to verify as" \
    "the first's, over the limit of ${factor}x: its check replays more than its own game"
echo "the last game's replay is within ${factor}x the first's bytes a step and check time"
