#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors
# A failure must reach the test command whatever windows the failing process
# opened: once, a window closed as the render tests ended turned their failing
# status into 0, and CTest passed every render test whatever it printed. Each
# runner that opens windows runs twice here, a real test passing both times:
# alone it must pass, with a planted failure after it it must fail, and say so.
# Usage: failures_reach_ctest.sh RENDER_TESTS GAME DATA
set -uo pipefail
render_tests=$1
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs "$@" without and with VORTIMBAL_PLANT_FAILURE; $1 names the runner,
# $2 what its output shows when the real test passed, $3 when the planted one failed.
check() {
    local runner=$1 passed=$2 planted=$3 out
    shift 3
    out=$("$@" 2>&1) || fail "$runner failed without a planted failure: $out"
    grep -qF -- "$passed" <<<"$out" || fail "$runner ran no real test: $out"
    out=$(VORTIMBAL_PLANT_FAILURE=1 "$@" 2>&1) && fail "$runner exited 0 after a planted failure: $out"
    grep -qF -- "$passed" <<<"$out" || fail "$runner ran no real test before its planted failure: $out"
    grep -qF -- "$planted" <<<"$out" || fail "$runner failed, but not where it was planted: $out"
    echo "$runner: a planted failure reaches the test command"
}

check render_tests "[       OK ] Render.TheOrbitalCamerasKeepThePlayerInView" \
    "[  FAILED  ] Harness.FailsWhenAsked" \
    "$render_tests" --gtest_filter='Render.TheOrbital*:Harness.*'

e2e=$(mktemp --suffix=.sh)
trap 'rm -f "$e2e"' EXIT
# The planted failure is a screenshot of the game's window once the game is
# gone: import would wait there for a click.
cat >"$e2e" <<SCRIPT
set -euo pipefail
source "$here/../e2e/lib/game.bash"
start_game
window=\$(wait_for_window)
echo "window shown"
[ -z "\${VORTIMBAL_PLANT_FAILURE:-}" ] || { kill "\$game_pid"; sleep 1; screenshot "\$window" planted; }
SCRIPT
check e2e "window shown" "FAIL: no screenshot planted: its window" timeout 60 bash "$e2e" "$2" "$3"
