#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# The Windows zip, built by scripts/windows.sh (its libraries from the cache
# after the first run), unpacked and run under Wine: a kept replay recorded on
# Linux ends on the same line there, which holds only while the rules'
# mathematics gives the same bits on both systems.
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
# Unpacked where a player named in another script keeps his downloads: the
# exe must still find its data beside itself.
unpacked="$work/Загрузки 下载"
mkdir -p "$unpacked"
(cd "$unpacked" && unzip -q "$zip")
exe=$(find "$unpacked" -name vortimbal3.exe)
[ -n "$exe" ] && [ -d "$(dirname "$exe")/obj" ] || fail "the zip holds no exe beside its data"
[ -z "$(find "$work" -name '*.dll')" ] || fail "the zip needs DLLs: $(find "$work" -name '*.dll')"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# Run from another folder: the exe finds its data beside itself. Output goes to
# files, as a lasting wineserver keeps pipes open.
wine_game() {
    (cd "$work" && timeout -k 5 200 wine "$exe" "$@" >"$work/out" 2>"$work/err") && got=0 || got=$?
}

# Every kept replay: one recorded since the rules compute alike ends on Linux's
# line; an older one, computed with glibc's maths, is refused with status 2
# rather than called edited.
for replay in "$(dirname "$0")"/*.replay; do
    name=$(basename "$replay")
    wine_game --verify "$(winepath -w "$replay" 2>/dev/null)"
    if [ "$(head -n 1 "$replay")" != "vortimbal3 replay 4" ]; then
        [ "$got" = 2 ] && grep -q "only Linux can check it" "$work/err" ||
            fail "$name, recorded with glibc's maths, exited $got under Wine: $(cat "$work/err")"
        echo "$name, recorded with glibc's maths, is left for Linux to check"
        continue
    fi
    linux=$(cd "$data" && env -u DISPLAY "$binary" --verify "$replay" 2>/dev/null | tail -n 1)
    [ "$got" = 0 ] || fail "$name --verify under Wine exited $got: $(cat "$work/err")"
    windows=$(tr -d '\r' <"$work/out" | tail -n 1)
    [ "$windows" = "$linux" ] || fail "$name ends on \"$windows\" under Wine, \"$linux\" on Linux"
    echo "$name ends alike on Linux and under Wine: $windows"
done
