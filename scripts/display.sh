# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Sourced by the test and bench commands: starts a private virtual X server
# (Xvfb) on a display number nobody holds, so a desktop or a parallel run is
# left alone, and stops it when the script exits. Its log goes to $1.

start_private_display() {
    local log=$1 display=99
    while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
        display=$((display + 1))
    done
    # -noreset: a server that resets when its last client leaves refuses the
    # next test's game that connects in that moment.
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$log" 2>&1 &
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$display"
}
