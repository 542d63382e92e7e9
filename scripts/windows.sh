#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Builds the Windows zip of Vortimbal 3 on Debian with MinGW-w64:
# build/windows/vortimbal3-VERSION-windows-x86_64.zip, one static exe beside
# its data. The libraries it links are built once from Debian's source
# packages into a cache folder ($VORTIMBAL_WINDOWS_CACHE, else
# ~/.cache/vortimbal3-windows) and taken from there on later runs.
# With --deps-only it stops once the libraries are there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"

timed() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    echo "windows: $name took $((SECONDS - start)) s"
}

timed "packages" ensure_packages $WINDOWS_PACKAGES

cache=${VORTIMBAL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vortimbal3-windows}
prefix="$cache/x86_64"
export VORTIMBAL_WINDOWS_PREFIX="$prefix"
toolchain="$root/packaging/windows/mingw-w64.cmake"
jobs=$(($(nproc) < 2 ? $(nproc) : 2))
mkdir -p "$cache/sources" "$cache/work" "$prefix"
echo "windows: the libraries for Windows are kept in $cache"

# Source packages come through apt from a list of our own, so the machine's
# sources stay as they are. The archive and keyring are the system's; inih and
# OpenAL Soft come from the release after, as bookworm's are not served.
apt_options=(-o "Dir::Etc::SourceList=$cache/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State::Lists=$cache/lists" -o "Dir::Cache=$cache/apt-cache" -o APT::Sandbox::User=root)
fetch_sources() {
    [ -f "$cache/lists/.updated" ] && return 0
    local keyring=/usr/share/keyrings/debian-archive-keyring.gpg suite
    : >"$cache/sources.list"
    for suite in bookworm trixie; do
        echo "deb-src [signed-by=$keyring] http://deb.debian.org/debian $suite main" >>"$cache/sources.list"
    done
    mkdir -p "$cache/lists/partial" "$cache/apt-cache/archives/partial"
    apt-get "${apt_options[@]}" update -qq
    touch "$cache/lists/.updated"
}

# Leaves the upstream tarball of PACKAGE/SUITE in sources/ and prints its path.
# Only the tarball is needed: none of these builds takes a Debian patch.
fetch_tarball() {
    local package=$1 tarball
    tarball=$(find "$cache/sources" -maxdepth 1 -name "${package%/*}_*.orig.tar.*" | head -n1)
    if [ -z "$tarball" ]; then
        # The .dsc of OpenAL Soft is not served while its tarball is: take what is.
        (cd "$cache/sources" && apt-get "${apt_options[@]}" source --download-only -qq "$package" \
            >/dev/null 2>"$cache/sources/${package%/*}.log") || true
        tarball=$(find "$cache/sources" -maxdepth 1 -name "${package%/*}_*.orig.tar.*" | head -n1)
    fi
    if [ -z "$tarball" ]; then
        echo "windows: the source of $package could not be fetched:" >&2
        cat "$cache/sources/${package%/*}.log" >&2
        exit 1
    fi
    echo "$tarball"
}

# Unpacks PACKAGE's tarball into work/ and prints the folder.
unpack() {
    local tarball folder
    tarball=$(fetch_tarball "$1")
    folder="$cache/work/${1%/*}"
    rm -rf "$folder" && mkdir -p "$folder"
    tar xf "$tarball" -C "$folder" --strip-components=1
    echo "$folder"
}

# -O2, as Debian builds them: -O3 compiles longer for nothing the game would notice.
library_cmake_options=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain"
    -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG")
cmake_library() {
    local source=$1
    shift
    cmake -S "$source" -B "$source/build" "${library_cmake_options[@]}" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >"$source/build.log"
    cmake --build "$source/build" -j"$jobs" >>"$source/build.log"
    cmake --install "$source/build" >>"$source/build.log"
}

build_freeglut() {
    # GL/glut.h is installed on Windows only when it replaces GLUT.
    cmake_library "$(unpack freeglut/bookworm)" -DFREEGLUT_BUILD_SHARED_LIBS=OFF \
        -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF -DFREEGLUT_REPLACE_GLUT=ON
}
build_libpng() {
    cmake_library "$(unpack libpng1.6/bookworm)" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
        -DPNG_EXECUTABLES=OFF -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a \
        -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include
}
build_sdl2() {
    # Only pads are read through SDL: no sound, rendering, sensors, power,
    # folders, locale or URLs, nor its software blitters (SDL_LEAN_AND_MEAN).
    # Video stays, as its hidden window is what DirectInput pads and haptics
    # are opened with on Windows.
    cmake_library "$(unpack libsdl2/bookworm)" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
        -DSDL_AUDIO=OFF -DSDL_RENDER=OFF -DSDL_RENDER_D3D=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF \
        -DSDL_VULKAN=OFF -DSDL_DUMMYVIDEO=OFF -DSDL_OFFSCREEN=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF \
        -DSDL_FILESYSTEM=OFF -DSDL_LOCALE=OFF -DSDL_MISC=OFF -DCMAKE_C_FLAGS=-DSDL_LEAN_AND_MEAN=1
}
build_inih() {
    # inih builds with meson only; its one C file needs no build system.
    local source
    source=$(unpack libinih/trixie)
    x86_64-w64-mingw32-gcc-posix -O2 -c "$source/ini.c" -o "$source/ini.o"
    mkdir -p "$prefix/lib/pkgconfig" "$prefix/include"
    x86_64-w64-mingw32-ar rcs "$prefix/lib/libinih.a" "$source/ini.o"
    cp "$source/ini.h" "$prefix/include/"
    printf '%s\n' "prefix=$prefix" "Name: inih" "Description: simple .INI file parser" \
        "Version: 59" "Cflags: -I\${prefix}/include" "Libs: -L\${prefix}/lib -linih" \
        >"$prefix/lib/pkgconfig/inih.pc"
}
build_openal() {
    local source
    source=$(unpack openal-soft/trixie)
    # BUILD_LOCAL_INTERFACE came with CMake 3.26, after bookworm's; with no
    # CMake package exported, BUILD_INTERFACE means the same. Its install
    # would export one, so the library is installed by hand.
    sed -i 's/BUILD_LOCAL_INTERFACE/BUILD_INTERFACE/g' "$source/CMakeLists.txt"
    # Sound plays through WASAPI, else DirectSound, else WinMM; the game asks
    # nothing of Creative's EAX, and the wave-file writer is for debugging.
    cmake -S "$source" -B "$source/build" "${library_cmake_options[@]}" \
        -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DLIBTYPE=STATIC \
        -DALSOFT_INSTALL=OFF -DALSOFT_UTILS=OFF -DALSOFT_EXAMPLES=OFF -DALSOFT_TESTS=OFF \
        -DALSOFT_NO_CONFIG_UTIL=ON -DALSOFT_EAX=OFF -DALSOFT_BACKEND_WAVE=OFF \
        -DALSOFT_REQUIRE_WASAPI=ON -DALSOFT_REQUIRE_DSOUND=ON -DALSOFT_REQUIRE_WINMM=ON \
        >"$source/build.log"
    cmake --build "$source/build" -j"$jobs" --target OpenAL >>"$source/build.log"
    # Its formatting library, built as loose objects, goes into the one archive
    # the game links.
    mkdir -p "$prefix/include" "$prefix/lib"
    cp "$source/build/libOpenAL32.a" "$prefix/lib/"
    find "$source/build" -path "*alsoft.fmt.dir*" -name "*.obj" -print0 |
        xargs -0 x86_64-w64-mingw32-ar rcs "$prefix/lib/libOpenAL32.a"
    cp -r "$source/include/AL" "$prefix/include/"
}

# The rules' trigonometry, from the musl release Linux takes it from
# (cmake/musl_math.cmake), compiled as musl compiles it and renamed alike.
build_musl_math() {
    local source functions function renames=() objects=()
    local linux
    source=$(unpack musl/bookworm)
    linux=$(dpkg-query -W -f='${Version}' musl-dev)
    if [ "$(cat "$source/VERSION")" != "${linux%-*}" ]; then
        echo "windows: musl $(cat "$source/VERSION") is not the $linux Linux takes its maths from" >&2
        exit 1
    fi
    functions=$(sed -n 's/^set(MUSL_MATH_FUNCTIONS \(.*\))$/\1/p' "$root/cmake/musl_math.cmake")
    mkdir -p "$source/obj/include/bits" "$source/obj/src/internal" "$source/out" "$prefix/lib"
    # musl's x86_64 types take long for 64 bits, which Windows' long is not:
    # its 64-bit types become long long, else floor and scalbn shift out of range.
    sed -e 's/^#define _\(Addr\|Int64\|Reg\) long$/#define _\1 long long/' \
        -e 's/0x7fffffffffffffffL$/0x7fffffffL/' "$source/arch/x86_64/bits/alltypes.h.in" |
        sed -f "$source/tools/mkalltypes.sed" - "$source/include/alltypes.h.in" \
            >"$source/obj/include/bits/alltypes.h"
    for function in $functions; do
        renames+=(--redefine-sym "$function=vortimbal_musl_$function")
    done
    for function in $functions; do
        (cd "$source" && x86_64-w64-mingw32-gcc-posix -std=c99 -nostdinc -ffreestanding \
            -fexcess-precision=standard -frounding-math -fno-stack-protector -O2 \
            -Werror=shift-count-overflow -D_XOPEN_SOURCE=700 -Iarch/x86_64 -Iarch/generic -Iobj/src/internal -Isrc/include \
            -Isrc/internal -Iobj/include -Iinclude -c "src/math/$function.c" -o "out/$function.o")
        x86_64-w64-mingw32-objcopy "${renames[@]}" "$source/out/$function.o"
        objects+=("$source/out/$function.o")
    done
    rm -f "$prefix/lib/libvortimbal_musl_math.a"
    x86_64-w64-mingw32-ar rcs "$prefix/lib/libvortimbal_musl_math.a" "${objects[@]}"
}

libraries="freeglut libpng sdl2 inih openal musl_math"
# A library is built again when the way it is built changed.
for library in $libraries; do
    recipe=$(declare -f "build_$library" | sha256sum)
    [ "$(cat "$prefix/.built-$library" 2>/dev/null)" = "$recipe" ] && continue
    [ -f "$cache/lists/.updated" ] || timed "fetching the source packages' lists" fetch_sources
    timed "building $library for Windows" "build_$library"
    echo "$recipe" >"$prefix/.built-$library"
done
[ "${1:-}" = --deps-only ] && exit 0

version=$(sed -n 's/^project(Vortimbal3 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
out="$root/build/windows"
build="$out/build"
build_game() {
    PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH="" \
        cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$prefix" \
        -DZLIB_LIBRARY_RELEASE=/usr/x86_64-w64-mingw32/lib/libz.a \
        -DVORTIMBAL_BINDIR=. -DVORTIMBAL_DATADIR=. -DVORTIMBAL_WERROR=OFF >"$out/cmake.log"
    cmake --build "$build" -j"$jobs" --target vortimbal3
}
mkdir -p "$out"
timed "building the game for Windows" build_game

zip_name="vortimbal3-$version-windows-x86_64"
make_zip() {
    local folder="$out/$zip_name"
    rm -rf "$folder" "$out/$zip_name.zip"
    mkdir -p "$folder/licences"
    x86_64-w64-mingw32-strip -o "$folder/vortimbal3.exe" "$build/vortimbal3.exe"
    cp -r "$root/data/obj" "$root/data/bmp" "$root/data/sounds" "$folder/"
    find "$folder" -name .gitkeep -delete
    sed "s/@VERSION@/$version/" "$root/packaging/windows/README-windows.txt" >"$folder/README-windows.txt"
    cp "$root/LICENSES/"*.txt "$folder/licences/"
    # The libraries linked in keep their notices beside the game's.
    local library
    for library in freeglut:COPYING libpng1.6:LICENSE libsdl2:LICENSE.txt libinih:LICENSE.txt \
        openal-soft:COPYING musl:COPYRIGHT; do
        cp "$cache/work/${library%%:*}/${library#*:}" "$folder/licences/${library%%:*}.txt"
    done
    (cd "$out" && zip -qr "$zip_name.zip" "$zip_name")
}
timed "packing the zip" make_zip
echo "$out/$zip_name.zip"
