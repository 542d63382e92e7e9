#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Builds Vortimbal 3 with its tests and runs them all: logic and GL-call tests
# (also under AddressSanitizer and UndefinedBehaviorSanitizer), real rendering
# and end-to-end tests on a private virtual X server, and the Windows zip under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
ensure_packages $TEST_PACKAGES

build="$root/build/test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORTIMBAL_WERROR=ON
cmake --build "$build" -j"$(nproc)"
# The Windows zip, for e2e.windows to run under Wine: built here, before the
# tests share the cores, as its libraries take long the first time.
"$root/scripts/windows.sh"

source "$root/scripts/display.sh"
start_private_display "$build/xvfb.log"
export VORTIMBAL_REQUIRE_DISPLAY=1
export VORTIMBAL_SCREENSHOTS="$build/screenshots"
mkdir -p "$VORTIMBAL_SCREENSHOTS"

ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300
