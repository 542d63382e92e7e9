#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Builds Vortimbal 3 and starts it, with data/ as the working directory so the
# game finds obj/ and bmp/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
ensure_packages $PLAY_PACKAGES

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: DISPLAY is not set, so the game has nowhere to open its window."
    echo "Start it from a desktop session, or run it on a virtual X server:"
    echo "    Xvfb :1 & DISPLAY=:1 $0"
    exit 1
fi

cmake -S "$root" -B "$root/build/play" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build/play" -j"$(nproc)" --target vortimbal3
cd "$root/data"
exec "$root/build/play/vortimbal3" "$@"
