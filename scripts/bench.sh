#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Builds Vortimbal 3 in Release and measures it on a private virtual X server:
# frames per second of each screen beside the empty-frame floor, world steps
# with and without octrees, start-up to the first frame, one "Add Bad Guys",
# resident memory (also over a long scripted game), motion between steps and the game's CPU use.
# Writes docs/performance.md.
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

# Level 1 played ten times by the newcomer (tools/newcomer.cpp), each with a
# sequence of its own: games won, and the citizens left (mean and worst).
newcomer_row() {
    local results
    results=$(for seed in $(seq 10); do "$build/vortimbal_newcomer" "$1" "$seed" | tail -n 1; done)
    awk -v name="$1" '{won += $1 == "won"; sum += $2; worst = NR == 1 || $2 < worst ? $2 : worst}
        END {printf "| %s | %d of %d | %.1f | %d |\n", name, won, NR, sum / NR, worst}' <<<"$results"
}

# With VORTIMBAL_BENCH_BEFORE set to a commit, that commit is built too and
# measured in the same run, right after this code, for a "before" column.
before=${VORTIMBAL_BENCH_BEFORE:-}
if [ -n "$before" ]; then
    old="$root/build/before"
    rm -rf "$old/src"
    mkdir -p "$old/src"
    git -C "$root" archive "$before" | tar -x -C "$old/src"
    # Measured by this bench when it builds there, so both columns are
    # measured alike; else by the bench of that commit.
    cp "$old/src/tools/bench.cpp" "$old/bench_of_that_commit.cpp"
    cp "$root/tools/bench.cpp" "$old/src/tools/bench.cpp"
    cmake -S "$old/src" -B "$old/build" -DCMAKE_BUILD_TYPE=Release -DVORTIMBAL_TOOLS=ON -DBUILD_TESTING=OFF >/dev/null
    if ! cmake --build "$old/build" -j"$(nproc)" >/dev/null 2>&1; then
        cp "$old/bench_of_that_commit.cpp" "$old/src/tools/bench.cpp"
        cmake --build "$old/build" -j"$(nproc)" >/dev/null
    fi
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

# Each row's fastest of the runs given as files: a run that other work on the
# machine slowed down does not stand for the code.
fastest_rows() {
    awk -F' [|] ' '
        /^\|( Frames|---)/ { if (!(FNR in head)) head[FNR] = $0; next }
        /^\| / {
            row = $1; sub(/^\| /, "", row)
            if (!(row in ms)) { order[++n] = row }
            if (!(row in ms) || $3 + 0 < ms[row]) { ms[row] = $3 + 0 }
        }
        END {
            print head[1]; print head[2]
            floor = ms[order[1]]
            for (i = 1; i <= n; ++i) {
                printf "| %s | %.0f | %.2f | %.1f |\n", order[i], 1000 / ms[order[i]], ms[order[i]], ms[order[i]] / floor
            }
        }' "$@"
}

# With a before column the two codes take turns, three times each, and each row
# keeps its fastest run.
runs="$build/frame_runs"
mkdir -p "$runs"
rm -f "$runs"/*
for turn in 1 2 3; do
    "$bench" frames 4 >"$runs/after$turn"
    if [ -n "$before" ]; then
        (cd "$old/src/data" && "$old/build/vortimbal_bench" frames 4) >"$runs/before$turn"
    fi
done
frames=$(fastest_rows "$runs"/after*)

# The world steps likewise: each run steps the same city the same way, so each
# time keeps its fastest of three runs, taking turns with the "before" code.
fastest_steps() {
    awk -F' [|] ' '
        /^\|( World|---)/ { if (!(FNR in head)) head[FNR] = $0; next }
        /^\| / {
            row = $1; sub(/^\| /, "", row)
            if (!(row in on)) { order[++n] = row }
            if (!(row in on) || $2 + 0 < on[row]) { on[row] = $2 + 0 }
            if (!(row in off) || $3 + 0 < off[row]) { off[row] = $3 + 0 }
        }
        END {
            print head[1]; print head[2]
            for (i = 1; i <= n; ++i) {
                r = order[i]
                printf "| %s | %.3f | %.3f | %.1f |\n", r, on[r], off[r], off[r] / on[r]
            }
        }' "$@"
}
for turn in 1 2 3; do
    "$bench" steps >"$runs/steps_after$turn"
    if [ -n "$before" ]; then
        (cd "$old/src/data" && "$old/build/vortimbal_bench" steps) >"$runs/steps_before$turn"
    fi
done
steps=$(fastest_steps "$runs"/steps_after*)
figureMemory=$(per_figure "$build/vortimbal3" "$root/data")
beforeFrames="" beforeSteps=""
if [ -n "$before" ]; then
    figureMemory="$figureMemory (before: $(per_figure "$old/build/vortimbal3" "$old/src/data"))"
    beforeFrames=$(fastest_rows "$runs"/before*)
    beforeSteps=$(fastest_steps "$runs"/steps_before*)
fi
# How smooth play looks at the 60 frames cap and how soon a key or the mouse
# shows, with the "before" code beside it.
motion=$("$bench" motion)
beforeMotion=""
if [ -n "$before" ]; then
    beforeMotion=$(cd "$old/src/data" && "$old/build/vortimbal_bench" motion)
fi
other=$("$bench" other)
memory=$("$bench" memory)
startup=$(startup_ms)
newcomer=$(for difficulty in easy normal hard; do newcomer_row "$difficulty"; done)
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
row, one row after the other. Each row is drawn in eight slices, each after a
slice half as long of the floor (the world not stepped then), and keeps the
median of its slices; the floor is the median of all its slices: other work
on the machine then weighs on the floor as on the rows. The whole is measured
three times, taking turns with the "before" code, and each row keeps its fastest run. Before each row of play the game takes 60
steps unseen, so the bad guys just dropped have landed; they go on hunting
and shooting while they are measured. The floor is a frame that only clears and
swaps. Sound plays into OpenAL Soft's null device, so its mixing is counted.
On this virtual machine the rows of play vary by about a fifth from run to
run.

$frames

World steps are timed outside any window: the city of level 1 (50 citizens,
the player, 10 bad guys, birds and houses), then with 1,000 more bad guys;
each time is the fastest of three runs.

$steps

$(if [ -n "$before" ]; then
    echo "The same rows measured in the same run, by this bench, on the code of commit"
    echo "$before, before the title's lines were dimmed as drawn, the ground drawn as"
    echo "one run and the world step's tree kept from step to step:"
    echo
    echo "$beforeFrames"
    echo
    echo "$beforeSteps"
fi)

$(echo "$other" | grep -v '^renderer: ')
| start-up to the first frame, median of 5 | $startup ms |
| memory per extra bad guy: peak resident size of the kept replay (\`--fast --no-draw\`) with 1,000 more, less without, over 1,000 | $figureMemory |

## Motion between steps

Play at the 60 frames cap (the default) in level 1 with the default camera,
on the game's own clock, every frame read back: how many frames differ from
the one before while the player holds a turn key, and a turn and the walk
key. Then ten times each, at a moment drawn at random within a step and with
the view still: a turn key pressed (held 300 ms) or the mouse moved 40
pixels, to the first frame whose view turned by more than a hundredth of a
degree; and from the key's release to the last frame whose view turned, and
to the last frame in which the player's heading changed (the rules' own
spin, damped over a few steps).

$motion
$(if [ -n "$beforeMotion" ]; then
    echo
    echo "The same on the code of commit $before:"
    echo
    echo "$beforeMotion"
fi)

## A newcomer's level 1

A scripted player with a human's limits plays level 1 ten times at each
difficulty: it sees only the bad guys in its view (60 degrees wide) that no
house hides, and walks on looking round when it sees none; it turns with the arrow
keys, walks up to a bad guy more than 30 units away, and fires only once the
aim mark has shown red for its reaction time, 0.4 to 0.7 s. Each game uses a
sequence of its own for that hesitation, so each plays out differently. A
game lost, or not won in ten minutes, leaves the citizens it had.

| Difficulty | level 1 won | citizens left, mean | worst |
|---|---|---|---|
$newcomer

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

The floor is only a clear and a swap, a fraction of a millisecond, so a few
times it leaves little room for what llvmpipe does with any scene at all.

Profiles of single rows (\`bench frames 4 ROW\` under \`perf\`, and the
processor time it prints with parts of the scene left out in a local build),
on this machine:

- Level 1: about three fifths of the samples are llvmpipe's two rasterizer
  threads filling triangles (its JIT-compiled fragment code and its tiling),
  a quarter llvmpipe on the game's thread (lighting and transforming
  vertices, replaying display lists), 2 % the game's own code (the world
  step and gathering the frame), the rest copies and the kernel. Of about
  5 ms of processor time a frame (all threads), the six textured houses take
  about 2 (1.3 of it filling their pixels), the figures and birds about 2,
  the HUD 0.3 and the ground, before it was drawn as one run, 0.3.
- Level 1 and 500 extra bad guys: some 80 near figures (622 triangles each,
  part by part through their lists) and 140 distant ones (one vertex array)
  are drawn a frame. The near figures take about half the processor time of
  a frame: leaving them out took it from 12.3 to 5.7 ms. The rasterizer
  threads take under half of the samples, llvmpipe on the game's thread a
  third, the game's own code a tenth (mostly the world step: the cube
  overlap test and pushing figures apart).
- Behind the title, three fifths of the samples are the rasterizer threads
  drawing some 20,000 lit lines; gathering them takes about 0.5 ms and the
  page's text about as much. Darkening the whole screen under the page cost
  about 0.9 ms: the lines are now dimmed as they are drawn (a grey texel
  modulates them, \`startDimming\` in \`scene/coloring.cpp\`), with the
  same look.

Each model is read once and shared by every object that shows it. Every
figure and bird is drawn through the frame's batch (\`scene/frame_batch.cpp\`),
grouped by the finish of its surfaces, with the material set once a group. A
distant figure (beyond 22 units, back within 18) goes into one vertex array
with its lighter look of 120 triangles. A near figure is drawn part by part
through a display list of its 622 triangles alone, each face with its own
normal, placed with one matrix a part: putting near figures into the vertex
arrays (their corners turned on the CPU and copied every frame) measured
slower, again after the world step's arithmetic went inline (14.4 against
12.6 ms of processor time with 500 extra bad guys). The ground's 49 tiles are
one run of triangles under one material (\`GroundBatch\`), placed on the CPU.
Houses (textured) and every object while the bounding cubes show are drawn
from their own display lists, part by part. Behind the title, the 1,800 or
so wire cubes and marker lines go out as one batch of lines
(\`scene/line_batch.cpp\`), each cube's twelve edges once. The world step
sorts the movers into an octree it keeps from the step before last, finds the
cells a cube reaches as a mask, tests the pairs of a crowded leaf inline and
makes no empty tree for a bird or a house, which have no movers: under
\`callgrind\` the bench's steps went from 760 to 379 million instructions,
with the same pushes in the same order. Start-up
is mostly loading the driver (\`dlopen\` and relocations of llvmpipe and
LLVM); sound, pads and the menu are opened once the first frame is on
screen. A figure's parts keep no room for children, movers or markers they
never have, and an empty list holds no storage, which brought the memory per
figure from about 20 KB to under 8 KB.

DOC
echo "Wrote docs/performance.md"
