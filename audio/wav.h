// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>
#include <vector>

namespace vortimbal {

// PCM samples as a WAV file holds them: 8-bit unsigned or 16-bit signed
// little-endian, channels interleaved.
struct WavSound {
    int channels = 0;
    int bitsPerSample = 0;
    int sampleRate = 0;
    std::vector<unsigned char> samples;
};

// Larger files are refused before they are read: a sound effect is a second or two.
constexpr long maxWavBytes = 8 << 20;

// Reads a RIFF WAVE file of PCM samples, 8 or 16 bits, mono or stereo. No
// header field is trusted: every chunk is checked against the bytes there
// are. Returns "" when the sound is loaded, else what is wrong with the file,
// and leaves the sound empty.
std::string parseWav(const std::vector<unsigned char>& bytes, WavSound& sound);
// The same for a file, which may be missing or too large.
std::string loadWav(const std::string& fileName, WavSound& sound);

}  // namespace vortimbal
