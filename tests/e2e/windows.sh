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

work=$(mktemp -d)
"$root/scripts/windows.sh" >"$work/built" || fail "the zip was not built: $(cat "$work/built")"
zip=$(tail -n 1 "$work/built")
[ -f "$zip" ] || fail "scripts/windows.sh named no zip: $zip"
cache=$(sed -n 's/^windows: the libraries for Windows are kept in //p' "$work/built")
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

# The portable maths, as each system's build links it, gives the same bits
# over the whole range of floats, far beyond what any replay reaches.
probe=$(dirname "$0")/maths_probe.c
cc -O2 "$probe" "$(dirname "$binary")/musl_math/libvortimbal_musl_math.a" -lm -o "$work/probe"
x86_64-w64-mingw32-gcc-posix -O2 "$probe" "$cache/x86_64/lib/libvortimbal_musl_math.a" \
    -o "$work/probe.exe"
(cd "$work" && timeout -k 5 100 wine probe.exe >"$work/out" 2>"$work/err") ||
    fail "the maths probe did not run under Wine: $(cat "$work/err")"
[ "$(tr -d '\r' <"$work/out")" = "$("$work/probe")" ] ||
    fail "the portable maths differ: $(tr -d '\r' <"$work/out") under Wine, $("$work/probe") on Linux"
echo "the portable maths give the same bits on Linux and under Wine: $("$work/probe")"

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
