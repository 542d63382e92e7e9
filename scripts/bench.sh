#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Builds Vortimbal 3 in Release and measures it on a private virtual X server:
# frames per second of each screen beside the empty-frame floor, world steps
# with and without octrees, start-up to the first frame, one "Add Bad Guys",
# resident memory (also over a long scripted game) and the game's CPU use. Writes docs/performance.md.
# A benchmark, not a test: figures depend on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
ensure_packages $TEST_PACKAGES

build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORTIMBAL_TOOLS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
source "$root/scripts/display.sh"
start_private_display "$build/xvfb.log"
cd "$root/data"
bench="$build/vortimbal_bench"
# OpenAL Soft's null device mixes every sound and plays none: the sound's cost
# is measured, on any machine.
export ALSOFT_DRIVERS=null

# The median of five start-ups, each in a fresh process.
startup_ms() {
    for _ in 1 2 3 4 5; do "$bench" startup; done | sort -n | sed -n 3p
}

# Percent of one core the game uses over 5 s, with its options in "$@",
# on the title screen and then in play.
cpu_use() {
    "$build/vortimbal3" "$@" >/dev/null 2>&1 &
    local pid=$! window
    sleep 3
    local title
    title=$(cpu_over_5s "$pid")
    window=$(xdotool search --onlyvisible --name '^Vortimbal 3$' | head -n 1)
    xdotool windowfocus --sync "$window" key Return
    sleep 2
    echo "$title $(cpu_over_5s "$pid")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

cpu_over_5s() {
    local before after
    before=$(awk '{print $14 + $15}' "/proc/$1/stat")
    sleep 5
    after=$(awk '{print $14 + $15}' "/proc/$1/stat")
    echo $(((after - before) * 100 / ($(getconf CLK_TCK) * 5)))
}

# With VORTIMBAL_BENCH_BEFORE set to a commit, that commit is built too and
# measured in the same run, right after this code, for a "before" column.
before=${VORTIMBAL_BENCH_BEFORE:-}
if [ -n "$before" ]; then
    old="$root/build/before"
    rm -rf "$old/src"
    mkdir -p "$old/src"
    git -C "$root" archive "$before" | tar -x -C "$old/src"
    cmake -S "$old/src" -B "$old/build" -DCMAKE_BUILD_TYPE=Release -DVORTIMBAL_TOOLS=ON -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$old/build" -j"$(nproc)" >/dev/null
fi

# Peak resident memory (KiB) of the kept replay played without a window, as it
# is and with 1,000 extra bad guys dropped where it adds its fifty: the
# difference over 1,000 is what one more figure holds.
peak_kib() {
    (cd "$2" && /usr/bin/time -f "%M" "$1" --replay "$3" --fast --no-draw 2>&1 >/dev/null | tail -n 1)
}
kept="$root/tests/e2e/two_levels.replay"
more="$build/plus_1000.replay"
awk '{ print } /^702 menu 16 0$/ { for (i = 0; i < 20; ++i) print }' "$kept" >"$more"
per_figure() {
    local plain extra
    plain=$(peak_kib "$1" "$2" "$kept")
    extra=$(peak_kib "$1" "$2" "$more")
    awk -v a="$plain" -v b="$extra" 'BEGIN { printf "%.1f KB", (b - a) * 1.024 / 1000 }'
}

frames=$("$bench" frames 4)
steps=$("$bench" steps)
figureMemory=$(per_figure "$build/vortimbal3" "$root/data")
beforeFrames="" beforeSteps=""
if [ -n "$before" ]; then
    figureMemory="$figureMemory (before: $(per_figure "$old/build/vortimbal3" "$old/src/data"))"
    beforeFrames=$(cd "$old/src/data" && "$old/build/vortimbal_bench" frames 4)
    beforeSteps=$(cd "$old/src/data" && "$old/build/vortimbal_bench" steps)
fi
other=$("$bench" other)
memory=$("$bench" memory)
startup=$(startup_ms)
read -r capped_title capped_play < <(cpu_use)
read -r free_title free_play < <(cpu_use --max-fps 0)

cat >"$root/docs/performance.md" <<DOC
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors -->

# Performance

Measured by \`scripts/bench.sh\` on $(date -u +%Y-%m-%d), in one run on one
virtual X server (Xvfb, 640 by 480 window) with the Release build:

- machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo)
- system: $(. /etc/os-release && echo "$PRETTY_NAME"), $(uname -r)
$(echo "$other" | sed -n 's/^renderer: /- OpenGL: /p')

Frames are counted in the game's own loop (the idle callback, its 50 ms
steps and the display callback) with no frame cap (\`--max-fps 0\`), 4 s per
row, one row after the other. Before each row of play the game takes 60
steps unseen, so the bad guys just dropped have landed; they go on hunting
and shooting while they are measured. The floor is a frame that only clears and
swaps. Sound plays into OpenAL Soft's null device, so its mixing is counted.
On this virtual machine the rows of play vary by about a fifth from run to
run.

$frames

World steps are timed outside any window: the city of level 1 (50 citizens,
the player, 10 bad guys, birds and houses), then with 1,000 more bad guys.

$steps

$(if [ -n "$before" ]; then
    echo "The same rows measured in the same run on the code of commit $before, before"
    echo "figures joined the frame's batch and the title's cubes one batch of lines:"
    echo
    echo "$beforeFrames"
    echo
    echo "$beforeSteps"
fi)

$(echo "$other" | grep -v '^renderer: ')
| start-up to the first frame, median of 5 | $startup ms |
| memory per extra bad guy: peak resident size of the kept replay (\`--fast --no-draw\`) with 1,000 more, less without, over 1,000 | $figureMemory |

## CPU use

Percent of one core used by the game over 5 s, on the title screen and
in level 1 right after "New Game":

| Game started with | title screen | in play |
|---|---|---|
| no options: at most 60 frames per second, resting in between | $capped_title % | $capped_play % |
| \`--max-fps 0\`: as many frames as the loop allows | $free_title % | $free_play % |

A long game, played without a window by a perfect player (it steps up to
each bad guy and shoots it, and each cleared level is drawn once): resident
memory after level 1, after level 20, and after the first and the fifth New
Game that follow.

$memory

## Before models were shared

The same measurements on the same machine and day, on the code before each
model was read once, before distant figures had a lighter look and before
figures that left the city were freed (commit 4c30ed9), for comparison with
the rows above:

| Measured | before |
|---|---|
| level 1, default camera | 116 per second, 13.0 times the floor |
| level 1 and 200 extra bad guys | 38 per second |
| level 1 and 500 extra bad guys | 25 per second |
| one "Add Bad Guys" (50 figures) | 11.2 ms |
| start-up to the first frame, median of 5 | 151.7 ms |
| resident memory after start-up | 95 MiB |
| resident memory, level 1 cleared / level 20 cleared | 127 / 191 MiB |
| resident memory, New Game 1 / New Game 5 | 192 / 195 MiB |

## Where the time goes

A \`perf\` profile of the frame rows puts about three quarters of the time
in Mesa's llvmpipe (vertex processing, triangle set-up and its JIT-compiled
shaders), a tenth in the game (gathering the batch, the world step) and the
rest in copies of the vertex arrays and the kernel. Each model is read once
and shared by every object that shows it. Every figure and bird is drawn in
the frame's batch (\`scene/frame_batch.cpp\`): one indexed vertex array for
each finish of its surfaces. A near figure goes in with its 622 triangles,
each face with its own normal; beyond 22 units (back within 18) it takes a
lighter look of 120 triangles. Houses (textured) and every object while the
bounding cubes show are drawn from display lists, part by part. Behind the
title, the 1,800 or so wire cubes and marker lines go out as one batch of
lines (\`scene/line_batch.cpp\`) instead of six draws each. With 500 and
more extra bad guys the frame is the triangles themselves: each figure's
vertices are lit and set up by the renderer every frame. Start-up is mostly
loading the driver (\`dlopen\` and relocations of llvmpipe and LLVM);
sound, pads and the menu are opened once the first frame is on screen. In
the world step, the cube overlap test between neighbours
(\`BoundingCube::overlaps\`, about 40 % of the step in a profile of both
rows) and the stepwise push apart of overlapping figures take most of it.
A figure's parts keep no room for children, movers or markers they never
have, and an empty list holds no storage, which brought the memory per
figure from about 20 KB to about 7 KB.

DOC
echo "Wrote docs/performance.md"
