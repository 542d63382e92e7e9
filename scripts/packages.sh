# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Sourced by the play and test commands: makes sure the Debian packages they
# need are there, installing them when run as root.

# The packages to build and run the game (librsvg2-bin draws its icons; musl-dev
# lends the rules its trigonometry).
PLAY_PACKAGES="build-essential cmake musl-dev freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libopenal-dev libpng-dev libinih-dev libsdl2-dev libx11-dev pkg-config librsvg2-bin"
# The Windows zip: MinGW-w64's compilers and zlib, musl's version to match,
# apt's source fetching, zip;
# Ninja runs CMake's checks for the libraries faster than make.
WINDOWS_PACKAGES="cmake musl-dev ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev dpkg-dev zip"
# What the tests need on top: the Windows zip's tools and Wine to run it,
# GoogleTest, a virtual X server, input and screenshot tools, clang for the fuzz
# targets, Python to measure sound, and Debian's tools to build and check the
# package and the licence notices.
TEST_PACKAGES="$PLAY_PACKAGES $WINDOWS_PACKAGES wine wine64 unzip googletest libgtest-dev libgmock-dev xvfb xdotool x11-utils imagemagick clang clang-format python3 dpkg-dev file lintian appstream desktop-file-utils man-db reuse"

missing_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            printf '%s ' "$package"
    done
}

ensure_packages() {
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing missing packages: $missing"
        apt-get update -qq
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
    else
        echo "Some packages are missing. Install them with:"
        echo "    sudo apt-get install -y $missing"
        exit 1
    fi
}
