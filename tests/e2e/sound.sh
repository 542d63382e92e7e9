#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

# Sound without a sound card: OpenAL Soft's wave driver writes what the game
# plays to a file. The title screen is silent; a new game and a shot are not.
# Started with no device at all, the game says so once and plays on.
set -euo pipefail
source "$(dirname "$0")/lib/game.bash"

folder=$(mktemp -d)
trap 'stop_game; rm -rf "$folder"' EXIT
printf '[general]\ndrivers = wave\nsample-type = int16\nchannels = stereo\nfrequency = 22050\n[wave]\nfile = %s/out.wav\n' \
    "$folder" >"$folder/alsoft.conf"

ALSOFT_CONF="$folder/alsoft.conf" start_game
window=$(wait_for_window)
focus "$window"
sleep 2
keys Return space
sleep 1.5
keys Escape Down Down Down Down Down Down Return
wait_for_exit
# Loudness (RMS of 16-bit samples) in the first second, and after it.
read -r before after < <(python3 - "$folder/out.wav" <<'PY'
import array, sys
# The driver writes an extensible header: find the samples after "data".
data = open(sys.argv[1], "rb").read()
start = data.index(b"data") + 8
samples = array.array("h", data[start:start + (len(data) - start) // 2 * 2])
second = 22050 * 2
def rms(part):
    return int((sum(s * s for s in part) / max(1, len(part))) ** 0.5)
print(rms(samples[:second]), rms(samples[second:]))
PY
)
[ "$before" -lt 30 ] || fail "the title screen was not silent (loudness $before)"
[ "$after" -gt 300 ] || fail "nothing was heard after the shot (loudness $after)"

# ALSA with no configuration has no device, and says so at length unless quieted.
: >"$folder/alsa.conf"
ALSOFT_DRIVERS=alsa ALSA_CONFIG_PATH="$folder/alsa.conf" start_game
window=$(wait_for_window)
focus "$window"
keys Return space
kill -0 "$game_pid" || fail "the game ended without a sound device"
grep -q "^No sound device: the game plays silently$" "$game_log" || fail "no word of the missing device"
! grep -q "^ALSA lib\|^AL lib" "$game_log" || fail "the sound libraries printed their own complaints"
echo "silence on the title, sound after a shot (loudness $before, then $after), and a silent game without a device"
