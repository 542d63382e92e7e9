#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# The Debian package as Debian's tools and a player meet it: made by the
# package command, accepted by lintian, with a manual page, AppStream
# metadata and menu entry that their checkers accept; unpacked, not
# installed, it starts from / and finds its data beside itself, in a window
# of the class its menu entry names.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"
root=$(cd "$(dirname "$0")/../.." && pwd)

log=$(mktemp)
unpacked=$(mktemp -d)
trap 'stop_game; rm -rf "$log" "$unpacked"' EXIT
deb=$("$root/scripts/package.sh" "$(dirname "$binary")/package" 2>"$log") ||
    fail "the package did not build: $(tail -n 20 "$log")"
lintian --fail-on error,warning "$deb" >"$log" 2>&1 || fail "lintian: $(cat "$log")"

dpkg-deb -x "$deb" "$unpacked"
share="$unpacked/usr/share"
appstreamcli validate --pedantic --no-net "$share"/metainfo/*.metainfo.xml >"$log" ||
    fail "appstreamcli: $(cat "$log")"
desktop-file-validate "$share/applications/vortimbal3.desktop" || fail "desktop-file-validate"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l "$share/man/man6/vortimbal3.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
for size in 48 64 128 256; do
    [ "$(identify -format %wx%h "$share/icons/hicolor/${size}x$size/apps/vortimbal3.png")" = \
        "${size}x$size" ] || fail "no $size pixel icon"
done

binary="$unpacked/usr/games/vortimbal3"
unset VORTIMBAL_DATA
new_game_from_root_shows_city e2e_package || fail "the unpacked game shows no city"
class=$(sed -n 's/^StartupWMClass=//p' "$share/applications/vortimbal3.desktop")
xprop -id "$window" WM_CLASS | grep -q "= \"$class\", \"$class\"$" ||
    fail "the window's class is not '$class': $(xprop -id "$window" WM_CLASS)"
echo "the package passed lintian and the metadata checks, and its unpacked game plays"
