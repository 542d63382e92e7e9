#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# The play command's build takes warnings as warnings: a newer compiler's new
# warning must not stop a player's build (scripts/test.sh makes them fatal).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
if grep -q -- -Werror "$build/CMakeFiles/vortimbal.dir/flags.make"; then
    echo "FAIL: the play build makes warnings fatal" >&2
    exit 1
fi
echo "the play build takes warnings as warnings"
