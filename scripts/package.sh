#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Builds the Debian package of Vortimbal 3 with CPack: the game in /usr/games,
# its data in /usr/share/games/vortimbal3, built with Debian's hardening
# flags. Prints the package's path. The build folder is build/package, or $1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
ensure_packages $PLAY_PACKAGES dpkg-dev file >&2

build=${1:-$root/build/package}
eval "$(dpkg-buildflags --export=sh)"
# CMake reads no CPPFLAGS, and _FORTIFY_SOURCE is among them.
export CFLAGS="$CFLAGS $CPPFLAGS" CXXFLAGS="$CXXFLAGS $CPPFLAGS"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DVORTIMBAL_BINDIR=games \
    -DVORTIMBAL_DATADIR=share/games/vortimbal3 >/dev/null
cmake --build "$build" -j"$(nproc)" --target vortimbal3 >&2
rm -f "$build"/vortimbal3_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/vortimbal3_*.deb
