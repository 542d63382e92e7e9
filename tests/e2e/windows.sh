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
    stop_game
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

# The game in Wine's window on the test's display, as a Windows player has it.
render_tests=${VORTIMBAL_RENDER_TESTS:-}
[ -x "$render_tests" ] || fail "no render tests to compare frames with; run this through CTest"
# Started in the zip's folder's parent, at the screen's corner (GLUT's own
# option) so the whole window is on screen, its output in $game_log.
start_wine_game() {
    (cd "$work" && exec wine "$exe" -geometry 640x480+0+0 "$@" >"$game_log" 2>&1) &
    game_pid=$!
}

# Takes screenshots of window $1 as $2 until two in a row are the same and pass
# the check $3: the frame the game stands still on. Fails if none comes before
# the game ends.
still_screenshot() {
    local previous="$work/previous.png"
    rm -f "$previous"
    for _ in $(seq 40); do
        kill -0 "$game_pid" 2>/dev/null || return 1
        screenshot "$1" "$2"
        if "$3" "$2" && [ -f "$previous" ] &&
            [ "$(compare -metric AE "$screenshots/$2.png" "$previous" null: 2>&1)" = 0 ]; then
            return 0
        fi
        cp "$screenshots/$2.png" "$previous"
        sleep 0.3
    done
    return 1
}

# The render tests' approved frames show a city of their own (more bad guys,
# further on) that no game reaches, so Wine's window is held to the Linux
# build's, drawn by the same Mesa, with the same tolerance. A replay brings
# both to the same frames: the title once its camera has settled behind the
# player, then a game whose city stands still under an open menu.
still="$work/still.replay"
printf '%s\n' "vortimbal3 replay 2" "150 key 13 1" "151 key 13 -1" "170 menu-open 1 0" \
    "end 240" >"$still"
for system in linux wine; do
    if [ "$system" = linux ]; then
        (cd "$data" && exec "$binary" -geometry 640x480+0+0 --replay "$still" >"$game_log" 2>&1) &
        game_pid=$!
    else
        start_wine_game --replay "$(winepath -w "$still" 2>/dev/null)"
    fi
    window=$(wait_for_window)
    still_screenshot "$window" "e2e_windows_${system}_title" shows_title ||
        fail "the window under ${system^} showed no title screen that stood still" \
            "(e2e_windows_${system}_title.png)"
    still_screenshot "$window" "e2e_windows_${system}_city" shows_city ||
        fail "the window under ${system^} showed no city that stood still in the replayed game" \
            "(e2e_windows_${system}_city.png)"
    wait_for_exit 20
done
for frame in title city; do
    shots="$screenshots/e2e_windows_wine_$frame.png $screenshots/e2e_windows_linux_$frame.png"
    VORTIMBAL_ALIKE=$shots "$render_tests" --gtest_filter=Screenshots.AreAlike >"$work/alike" 2>&1 ||
        fail "under Wine the $frame looks unlike on Linux (e2e_windows_wine_$frame.png):" \
            "$(grep -h 'blocks unlike\|no 640x480' "$work/alike")"
done
echo "under Wine the title and the city look as on Linux"

# A game played under Wine with the keys and the mouse: the difficulty made
# hard on the Options page, fifty more bad guys from the right-button menu, a
# walk, shots while turning, a pause and back, the game lost with a score, Quit.
roaming=("$WINEPREFIX"/drive_c/users/*/AppData/Roaming)
kept="${roaming[0]}/vortimbal3"
played="$work/played.replay"
start_wine_game --record "$(winepath -w "$played" 2>/dev/null)"
window=$(wait_for_window)
# With no window manager Wine makes its window active when clicked, not when
# X gives it the focus: a click on the title's empty corner, once it is drawn
# (the keys below tell whether it came).
still_screenshot "$window" e2e_windows_start shows_title || true
xdotool mousemove --window "$window" 5 5 click 1
focus "$window"
# Title: New Game, Help, High scores, Replays, Options; the page's first row is difficulty.
keys Down Down Down Down Return Right
screenshot "$window" e2e_windows_options
has_colour e2e_windows_options 640x60+0+40 B2FF1A ||
    has_colour e2e_windows_options 640x60+0+40 B3FF1A ||
    fail "the keys did not open the Options page under Wine (e2e_windows_options.png)"
keys Escape Up Up Up Up Return
# Wine's menu follows the pointer only once the button that opened it is up:
# a click opens it at the window's centre, where play holds the pointer, and a
# click on its first entry, "Add Bad Guys", chooses.
screenshot "$window" e2e_windows_new_game
xdotool click 3
sleep 0.5
for _ in 1 2 3; do
    xdotool mousemove_relative -- 10 2
    sleep 0.1
done
xdotool click 1
# Fifty figures take a moment to make.
sleep 2
screenshot "$window" e2e_windows_more_bad_guys
[ "$(digits e2e_windows_more_bad_guys)" -gt "$(digits e2e_windows_new_game)" ] ||
    fail "\"Add Bad Guys\" in the right-button menu added none under Wine" \
        "(e2e_windows_more_bad_guys.png)"
xdotool keydown Up
sleep 0.6
xdotool keyup Up keydown Left
keys space space space space space space space space space space space space space space space space
xdotool keyup Left
keys Escape
screenshot "$window" e2e_windows_paused
shows_title e2e_windows_paused ||
    fail "Escape did not pause the game under Wine (e2e_windows_paused.png)"
keys Escape
screenshot "$window" e2e_windows_playing
shows_city e2e_windows_playing && ! shows_title e2e_windows_playing ||
    fail "a second Escape did not take the game on under Wine (e2e_windows_playing.png)"
for _ in $(seq 120); do
    [ -s "$kept/scores" ] && break
    sleep 0.5
done
screenshot "$window" e2e_windows_game_over
[ -s "$kept/scores" ] || fail "under Wine the game was not lost with a score within a minute, or" \
    "its score was not kept in $kept (e2e_windows_game_over.png)"
# Enter leaves the lost game for the title, where Quit is five rows down.
keys Return Down Down Down Down Down Return
wait_for_exit 20
[ "$status" = 0 ] ||
    fail "Quit on the title ended the game under Wine with status $status, as a crash would"
ended=$(tr -d '\r' <"$game_log" | grep '^level ' | tail -n 1)
# Wine sets DISPLAY for its own X server; freeglut would take it for a monitor.
warned=$(tr -d '\r' <"$game_log" | grep -A1 '^freeglut' || true)
[ -z "$warned" ] || fail "freeglut warned under Wine: $warned"

# Its run file ends on Linux where the game ended under Wine, and claims so.
wine_game --verify "$(winepath -w "$played" 2>/dev/null)"
windows=$(tr -d '\r' <"$work/out" | tail -n 1)
[ "$got" = 0 ] && [ "$windows" = "$ended" ] ||
    fail "the game under Wine ended with \"$ended\" but its run file, checked there, exited $got" \
        "with \"$windows\": $(cat "$work/err")"
linux=$(cd "$data" && env -u DISPLAY "$binary" --verify "$played" 2>&1) && got=0 || got=$?
[ "$got" = 0 ] && [ "$(tail -n 1 <<<"$linux")" = "$ended" ] ||
    fail "the game under Wine ended with \"$ended\" but its run file, checked on Linux, exited" \
        "$got with: $linux"
echo "the game played under Wine ended with \"$ended\", as its run file does under Wine and on Linux"

# What the player chose and scored is kept in %APPDATA%, none of it in the Linux
# folders, where Wine keeps menus and sound sockets of its own.
left=$(find "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" -path '*vortimbal3*')
[ -z "$left" ] || fail "the game under Wine wrote into the Linux folders: $left"
grep -q "^difficulty = hard" "$kept/settings.ini" 2>/dev/null ||
    fail "hard, chosen on the Options page under Wine, is not kept in $kept/settings.ini"
echo "under Wine the settings and scores are kept in %APPDATA%, none in the Linux folders"

# --help names the folders a Windows player has, none of Linux's.
wine_game --help
help=$(tr -d '\r' <"$work/out")
grep -q "else in the program's own folder" <<<"$help" &&
    grep -qE '^High scores are kept in [A-Z]:\\.*\\AppData\\Roaming' <<<"$help" &&
    ! grep -q 'XDG\|/usr/' <<<"$help" || fail "--help under Wine names folders Windows has not: $help"
echo "--help under Wine names the program's folder and %APPDATA%"
