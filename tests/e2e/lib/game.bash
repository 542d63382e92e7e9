# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Helpers for driving the real game binary on the test command's X server.
# Sourced with the binary and the data folder as $1 and $2.

binary=$(realpath "$1")
data=$2
screenshots=${VORTIMBAL_SCREENSHOTS:-/tmp}
game_pid=""
game_log=$(mktemp)
# The player's own high scores and settings stay untouched.
export XDG_DATA_HOME XDG_CONFIG_HOME
XDG_DATA_HOME=$(mktemp -d)
XDG_CONFIG_HOME=$(mktemp -d)

fail() {
    echo "FAIL: $*" >&2
    [ -s "$game_log" ] && sed 's/^/  game: /' "$game_log" >&2
    exit 1
}

[ -n "${DISPLAY:-}" ] || fail "no X display; run the tests through scripts/test.sh"

# Starts the game in its data folder; arguments go to the game.
start_game() {
    (cd "$data" && exec "$binary" "$@" >"$game_log" 2>&1) &
    game_pid=$!
    trap stop_game EXIT
}

stop_game() {
    [ -z "$game_pid" ] || { kill "$game_pid" && wait "$game_pid"; } 2>/dev/null || true
    game_pid=""
    rm -rf "$game_log" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
}

# Prints the id of the game's window once it is mapped.
wait_for_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name '^Vortimbal 3$' 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$game_pid" 2>/dev/null || fail "the game exited before its window appeared"
        sleep 0.1
    done
    fail "no window titled 'Vortimbal 3' appeared"
}

# Prints "WIDTHxHEIGHT" of a window.
window_size() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }

# Saves a screenshot of a window as $screenshots/NAME.png. Of a window gone,
# import would wait for a click on another: fail at once with the game's output.
screenshot() {
    xwininfo -id "$1" >/dev/null 2>&1 || fail "no screenshot $2: its window $1 is gone"
    timeout -k 2 30 import -window "$1" "$screenshots/$2.png" || fail "no screenshot $2 of window $1"
}

# Gives the window the keyboard, so xdotool's keys reach the game.
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.3; }

# Presses and releases keys one after another, like a player would.
keys() {
    local key
    for key in "$@"; do
        xdotool key --delay 80 "$key"
        sleep 0.3
    done
}

# Succeeds when a region WxH+X+Y of a screenshot holds pixels of colour #RRGGBB.
has_colour() {
    # Read the whole histogram first: grep -q stopping early would break the pipe.
    local histogram
    histogram=$(convert "$screenshots/$1.png" -crop "$2" +repage -format %c histogram:info:-)
    grep -qi "#$3" <<<"$histogram"
}

# Waits up to $1 seconds (5) for the game to end by itself and puts its exit
# status in $status. Not in a subshell: only this shell can wait for the game.
wait_for_exit() {
    timeout "${1:-5}" tail --pid="$game_pid" -f /dev/null || fail "the game did not end"
    status=0
    wait "$game_pid" || status=$?
    game_pid=""
}

# The pixels of the count of bad guys' dark red digits at the bottom of a
# screenshot in play: "60" has more than "10".
digits() { convert "$screenshots/$1.png" -crop 60x34+300+440 +repage txt:- | grep -ci "#800000"; }

# Succeeds when a screenshot shows the title "Vortimbal 3" in its light blue.
shows_title() { has_colour "$1" 640x80+0+40 CCE6FF || has_colour "$1" 640x80+0+40 CCE5FF; }

# Succeeds when a screenshot shows the city: the ground fills the lower third,
# far more green than blue there.
shows_city() {
    local green
    green=$(convert "$screenshots/$1.png" -crop 640x160+0+320 -resize '1x1!' \
        -format '%[fx:int(255*(g-b))]' info:)
    [ "$green" -gt 40 ]
}

# Starts $binary from /, begins a game and tells whether the city shows in
# the screenshot named $1; leaves the game running and $window set.
new_game_from_root_shows_city() {
    data=/
    start_game
    window=$(wait_for_window)
    focus "$window"
    sleep 1
    keys Return
    sleep 1
    screenshot "$window" "$1"
    shows_city "$1"
}
