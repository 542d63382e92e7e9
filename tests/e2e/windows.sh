#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# The Windows zip, built by scripts/windows.sh (its libraries from the cache
# after the first run), unpacked and run under Wine: the kept replay (two
# levels, then "Add Bad Guys") ends on the same line as on Linux, which holds
# only while the rules' mathematics gives the same bits on both systems.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"
root=$(cd "$(dirname "$0")/../.." && pwd)

zip=$("$root/scripts/windows.sh" | tail -n 1) || fail "the zip was not built"
[ -f "$zip" ] || fail "scripts/windows.sh named no zip: $zip"
work=$(mktemp -d)
cleanup() {
    # Wine's server keeps the prefix open; it goes with the prefix.
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
(cd "$work" && unzip -q "$zip")
exe=$(find "$work" -name vortimbal3.exe)
[ -n "$exe" ] && [ -d "$(dirname "$exe")/obj" ] || fail "the zip holds no exe beside its data"
[ -z "$(find "$work" -name '*.dll')" ] || fail "the zip needs DLLs: $(find "$work" -name '*.dll')"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# Run from another folder: the exe finds its data beside itself. Output goes to
# files, as a lasting wineserver keeps pipes open.
wine_game() {
    (cd "$work" && timeout -k 5 200 wine "$exe" "$@" >"$work/out" 2>"$work/err") && got=0 || got=$?
}

replays=("$(dirname "$0")/two_levels.replay")
for replay in "${replays[@]}"; do
    linux=$(cd "$data" && env -u DISPLAY "$binary" --verify "$replay" 2>/dev/null | tail -n 1)
    wine_game --verify "$(winepath -w "$replay" 2>/dev/null)"
    [ "$got" = 0 ] || fail "$(basename "$replay") --verify under Wine exited $got: $(cat "$work/err")"
    windows=$(tr -d '\r' <"$work/out" | tail -n 1)
    [ "$windows" = "$linux" ] ||
        fail "$(basename "$replay") ends on \"$windows\" under Wine, \"$linux\" on Linux"
    echo "$(basename "$replay") ends alike on Linux and under Wine: $windows"
done
