#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# The strongest guard of the rules: a game kept as a replay, made by
# tools/scripted_player.cpp (two levels cleared, then "Add Bad Guys" and 200
# more steps), must end exactly where it ended when it was recorded. A change
# to any rule of the game shows here; if the change is meant, record the
# replay again: scripted_player two_levels.replay 2, from data/, under a display.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

expected="level 3, score 2420, 14 citizens and 63 bad guys left"
replay=$(realpath "$(dirname "$0")/two_levels.replay")
ended=$(cd "$data" && "$binary" --replay "$replay" --fast --no-draw | tail -n 1)
[ "$ended" = "$expected" ] || fail "the kept replay ended with \"$ended\", not \"$expected\""
echo "the kept replay ended as recorded: $ended"
# Recorded since the rules compute alike on every system: four games (normal,
# hard, easy, normal) with mouse turns and "Add Bad Guys"; e2e.windows checks it
# under Wine. It claims its closing line, so --verify pins it.
every=$(realpath "$(dirname "$0")/every_difficulty.replay")
said=$(cd "$data" && env -u DISPLAY "$binary" --verify "$every" 2>&1) ||
    fail "the kept replay of every difficulty does not end as it claims: $said"
echo "the kept replay of every difficulty ended as recorded: $(tail -n 1 <<<"$said")"

# Played again, a replay writes nothing of the player's: its screenshot, sound
# and frame-rate actions and a change on its Options page leave no file behind.
shots=$(mktemp)
printf '%s\n' "vortimbal3 replay 2" "5 action 18 1" "7 action 19 1" "9 action 20 1" \
    "11 menu 23 0" "12 special 102 1" "end 100" >"$shots"
said=$(cd "$data" && timeout -k 5 60 "$binary" --replay "$shots" --fast 2>&1) || fail "$said"
left=$(find "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" -type f)
rm -f "$shots"
[ -z "$left" ] || fail "the replay wrote $left: $said"
echo "a replay's screenshot, sound, frame-rate and Options keys write no file"

# Checked or run unseen, a replay needs no display: --verify exits 0 when it
# ends as it claims (or claims nothing, as the kept one), 1 when its claim was
# edited, 2 when it is no replay.
claimed=$(mktemp) edited=$(mktemp) garbage=$(mktemp)
sed "\$s/\$/ $expected/" "$replay" >"$claimed"
sed "\$s/\$/ ${expected/2420/2430}/" "$replay" >"$edited"
echo "not a replay" >"$garbage"
while read -r status args; do
    said=$(cd "$data" && timeout -k 5 60 env -u DISPLAY "$binary" $args 2>&1) && got=0 || got=$?
    [ "$got" = "$status" ] || fail "$args exited with $got, not $status: $said"
    [ "$status" = 2 ] || [ "$(tail -n 1 <<<"$said")" = "$expected" ] || fail "$args: $said"
done <<EOF
0 --verify $claimed
0 --verify $replay
0 --replay $claimed --fast --no-draw
1 --verify $edited
2 --verify $garbage
2 --verify /no/such/replay
EOF
said=$(cd "$data" && env -u DISPLAY "$binary" --verify "$claimed" "$edited" "$garbage") && got=0 || got=$?
[ "$got" = 2 ] || fail "three files checked at once exited with $got, not the worst, 2: $said"
[ "$(head -n 2 <<<"$said")" = "$claimed: $expected
$edited: $expected - it claims another" ] && grep -q "^$garbage: " <<<"$said" ||
    fail "three files checked at once did not tell each: $said"
rm -f "$claimed" "$edited" "$garbage"
echo "with no display a true, an unclaimed, an edited and a garbage replay exit 0, 0, 1 and 2,"
echo "and checked at once each has its line and the worst status is told"

# With no HOME and no XDG folders nothing is kept, and the player is told once;
# a test pad that is a FIFO is refused, not waited on, and so is a line out of range.
short=$(mktemp) pads=$(mktemp -d)
printf 'vortimbal3 replay 2\nend 5\n' >"$short"
mkfifo "$pads/fifo"
echo "1 axis 4 2000000000" >"$pads/range"
for pad in fifo range; do
    said=$(cd "$data" && VORTIMBAL_TEST_PAD="$pads/$pad" timeout -k 5 20 env -u HOME -u XDG_CONFIG_HOME \
        -u XDG_DATA_HOME "$binary" --replay "$short" --fast --no-draw) || fail "with $pad: $said"
    [ "$(grep -c "not kept" <<<"$said")" = 1 ] || fail "not told once that nothing is kept: $said"
    grep -q "The test pad" <<<"$said" || fail "the test pad $pad was taken: $said"
done
rm -rf "$short" "$pads"
echo "with no home the player is told once; a FIFO or out-of-range test pad is refused"
