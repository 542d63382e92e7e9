// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "audio/wav.h"

using namespace vortimbal;

namespace {

using Bytes = std::vector<unsigned char>;

void put(Bytes& b, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        b.push_back((unsigned char)(value >> (8 * i)));
    }
}

void chunk(Bytes& b, const char* id, const Bytes& body) {
    b.insert(b.end(), id, id + 4);
    put(b, std::uint32_t(body.size()), 4);
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2 == 1) {
        b.push_back(0);
    }
}

Bytes format(int tag, int channels, int rate, int bits, int align) {
    Bytes f;
    put(f, tag, 2), put(f, channels, 2), put(f, rate, 4), put(f, rate * align, 4);
    put(f, align, 2), put(f, bits, 2);
    return f;
}

// A RIFF WAVE file of the given chunks.
Bytes wav(const std::vector<std::pair<const char*, Bytes>>& chunks) {
    Bytes body = {'W', 'A', 'V', 'E'};
    for (const auto& [id, content] : chunks) {
        chunk(body, id, content);
    }
    Bytes file = {'R', 'I', 'F', 'F'};
    put(file, std::uint32_t(body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

}  // namespace

TEST(Wav, ReadsPcmPastOtherChunksAndRefusesWhatItCannotPlay) {
    WavSound sound;
    const Bytes stereo16 = format(1, 2, 22050, 16, 4);
    // An odd-sized chunk first: its pad byte must be skipped; a half frame is dropped.
    EXPECT_EQ(
        parseWav(wav({{"LIST", {1, 2, 3}}, {"fmt ", stereo16}, {"data", Bytes(10, 7)}}), sound),
        "");
    EXPECT_EQ(std::make_tuple(sound.channels, sound.bitsPerSample, sound.sampleRate),
              std::make_tuple(2, 16, 22050));
    EXPECT_EQ(sound.samples, Bytes(8, 7));
    EXPECT_EQ(parseWav(wav({{"fmt ", format(1, 1, 8000, 8, 1)}, {"data", {128}}}), sound), "");

    Bytes cut = wav({{"fmt ", stereo16}, {"data", Bytes(40, 1)}});
    cut.resize(cut.size() - 5);
    const struct {
        Bytes file;
        const char* problem;
    } bad[] = {
        {{}, "it is not a WAV file"},
        {Bytes(64, 'x'), "it is not a WAV file"},
        {cut, "it is cut short"},
        {wav({{"fmt ", format(3, 1, 22050, 32, 4)}, {"data", Bytes(8, 0)}}), "it is not plain PCM"},
        {wav({{"fmt ", format(1, 6, 22050, 16, 12)}, {"data", Bytes(24, 0)}}),
         "only 8 or 16 bits, mono or stereo, are played"},
        {wav({{"fmt ", format(1, 1, 22050, 16, 4)}, {"data", Bytes(8, 0)}}),
         "its sample rate or block size is wrong"},
        {wav({{"fmt ", Bytes(10, 0)}}), "its format chunk is cut short"},
        {wav({{"data", Bytes(8, 0)}, {"fmt ", stereo16}}), "its samples come before their format"},
        {wav({{"fmt ", stereo16}}), "it has no samples"},
    };
    for (const auto& b : bad) {
        EXPECT_EQ(parseWav(b.file, sound), b.problem);
        EXPECT_TRUE(sound.samples.empty() && sound.channels == 0);
    }
    EXPECT_EQ(loadWav("/no/such/sound.wav", sound), "it cannot be opened");
    // The largest file read, and one byte more.
    const std::string path = ::testing::TempDir() + "wav_test_" + std::to_string(getpid());
    for (long extra : {0, 1}) {
        const Bytes file = wav({{"fmt ", stereo16}, {"data", Bytes(maxWavBytes - 44 + extra, 1)}});
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
        EXPECT_EQ(loadWav(path, sound),
                  extra == 0 ? "" : "it is not a file of a sound effect's size");
    }
    std::remove(path.c_str());
}
