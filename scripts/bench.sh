#!/usr/bin/env bash
# Builds Vortimbal 3 in Release and measures it on a private virtual X server:
# frames per second of each screen beside the empty-frame floor, world steps
# with and without octrees, start-up to the first frame, one "Add Bad Guys",
# resident memory and the game's CPU use. Writes docs/performance.md.
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

frames=$("$bench" frames 4)
steps=$("$bench" steps)
other=$("$bench" other)
startup=$(startup_ms)
read -r capped_title capped_play < <(cpu_use)
read -r free_title free_play < <(cpu_use --max-fps 0)

cat >"$root/docs/performance.md" <<DOC
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

$frames

World steps are timed outside any window: the city of level 1 (50 citizens,
the player, 10 bad guys, birds and houses), then with 1,000 more bad guys.

$steps

$(echo "$other" | grep -v '^renderer: ')
| start-up to the first frame, median of 5 | $startup ms |

## CPU use

Percent of one core used by the game over 5 s, on the title screen and
in level 1 right after "New Game":

| Game started with | title screen | in play |
|---|---|---|
| no options: at most 60 frames per second, resting in between | $capped_title % | $capped_play % |
| \`--max-fps 0\`: as many frames as the loop allows | $free_title % | $free_play % |

## Where the time goes

A \`perf\` profile of the frame rows puts about four fifths of the time in
Mesa's llvmpipe (vertex processing, triangle set-up and its JIT-compiled
shaders) and a few percent in the game. Each object's faces are compiled once
into a display list, with faces in a row of one kind in one \`glBegin\`, and
replayed every frame; what is left is the driver's work per triangle, so
fewer triangles on screen (simpler figures in the distance) is the next
lever. In the world step, the cube overlap test between neighbours that the
octree finds is the largest cost.
DOC
echo "Wrote docs/performance.md"
