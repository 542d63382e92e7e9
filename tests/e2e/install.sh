#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# The game as a user meets it: --help and --version with no display at all, an
# unknown option refused, and a copy installed to a temporary prefix that
# starts from / and shows the city when a game begins, then uninstalls
# without a trace.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

help=$(env -u DISPLAY "$binary" --help) || fail "--help failed"
grep -q "tilt camera" <<<"$help" && grep -q -- "--max-fps N" <<<"$help" || fail "--help said: $help"
env -u DISPLAY "$binary" --version | grep -q "^Vortimbal 3 version [0-9]" || fail "no version"
status=0
env -u DISPLAY "$binary" --no-such-option 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown option ended with status $status"

build=$(dirname "$binary")
prefix=$(mktemp -d)
trap 'stop_game; rm -rf "$prefix"' EXIT
# Folders that were there before the install stay after it.
mkdir -p "$prefix/bin" "$prefix/share/man/man6"
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/vortimbal3 share/vortimbal3/obj/body.obj share/vortimbal3/bmp/1.bmp \
    share/applications/vortimbal3.desktop share/icons/hicolor/scalable/apps/vortimbal3.svg \
    share/man/man6/vortimbal3.6.gz; do
    [ -e "$prefix/$file" ] || fail "the install has no $file"
done

binary="$prefix/bin/vortimbal3"
new_game_from_root_shows_city e2e_installed || fail "the installed game shows no city"
stop_game
cmake --build "$build" --target uninstall >/dev/null
left=$(cd "$prefix" && find . -mindepth 1 | sort | xargs)
[ "$left" = "./bin ./share ./share/man ./share/man/man6" ] || fail "uninstalling left: $left"
echo "--help, --version, an unknown option, the installed game started from / and its uninstall all worked"
