#!/usr/bin/env bash
# Builds Vortimbal 3 with its tests and runs them all: logic and GL-call tests
# (also under AddressSanitizer and UndefinedBehaviorSanitizer), real rendering
# and end-to-end tests on a private virtual X server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
ensure_packages $TEST_PACKAGES

build="$root/build/test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

# A display number nobody holds, so a desktop or a parallel run is left alone.
display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$build/xvfb.log" 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
done
export DISPLAY=":$display"
export VORTIMBAL_REQUIRE_DISPLAY=1
export VORTIMBAL_SCREENSHOTS="$build/screenshots"
mkdir -p "$VORTIMBAL_SCREENSHOTS"

ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300
