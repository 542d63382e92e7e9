#!/usr/bin/env bash
# The game as a user meets it: --help and --version with no display at all, an
# unknown option refused, and a copy installed to a temporary prefix that
# starts from / and shows the city when a game begins.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

help=$(env -u DISPLAY "$binary" --help) || fail "--help failed"
grep -q "tilt camera" <<<"$help" && grep -q -- "--max-fps N" <<<"$help" || fail "--help said: $help"
env -u DISPLAY "$binary" --version | grep -q "^Vortimbal 3 version [0-9]" || fail "no version"
status=0
env -u DISPLAY "$binary" --no-such-option 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown option ended with status $status"

prefix=$(mktemp -d)
trap 'stop_game; rm -rf "$prefix"' EXIT
cmake --install "$(dirname "$binary")" --prefix "$prefix" >/dev/null
for file in bin/vortimbal3 share/vortimbal3/obj/body.obj share/vortimbal3/bmp/1.bmp \
    share/applications/vortimbal3.desktop share/icons/hicolor/scalable/apps/vortimbal3.svg; do
    [ -e "$prefix/$file" ] || fail "the install has no $file"
done

binary="$prefix/bin/vortimbal3"
data=/
start_game
window=$(wait_for_window)
focus "$window"
sleep 1
keys Return
sleep 1
screenshot "$window" e2e_installed
# The ground of the city fills the lower third: far more green than blue there.
green=$(convert "$screenshots/e2e_installed.png" -crop 640x160+0+320 -resize '1x1!' \
    -format '%[fx:int(255*(g-b))]' info:)
[ "$green" -gt 40 ] || fail "the installed game shows no city (green minus blue: $green)"
echo "--help, --version, an unknown option, and the installed game started from / all worked"
