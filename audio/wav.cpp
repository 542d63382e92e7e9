// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "audio/wav.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/regular_file.h"

namespace vortimbal {

namespace {

constexpr std::uint16_t pcmFormat = 1;
constexpr std::size_t formatBytes = 16;

std::uint32_t u32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t u16(const unsigned char* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

// Checks the "fmt " chunk and fills in the sound's format.
std::string readFormat(const unsigned char* p, std::size_t size, WavSound& sound) {
    if (size < formatBytes) {
        return "its format chunk is cut short";
    }
    const int channels = u16(p + 2), bits = u16(p + 14);
    const std::uint32_t rate = u32(p + 4);
    if (u16(p) != pcmFormat) {
        return "it is not plain PCM";
    }
    if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16)) {
        return "only 8 or 16 bits, mono or stereo, are played";
    }
    if (rate < 1000 || rate > 192000 || u16(p + 12) != channels * bits / 8) {
        return "its sample rate or block size is wrong";
    }
    sound.channels = channels;
    sound.bitsPerSample = bits;
    sound.sampleRate = int(rate);
    return "";
}

}  // namespace

std::string parseWav(const std::vector<unsigned char>& bytes, WavSound& sound) {
    sound = WavSound();
    const unsigned char* p = bytes.data();
    if (bytes.size() < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) {
        return "it is not a WAV file";
    }
    std::string problem = "it has no samples";
    bool formatRead = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::size_t size = u32(p + at + 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) {
            problem = "it is cut short";
            break;
        }
        if (std::memcmp(p + at, "fmt ", 4) == 0) {
            problem = readFormat(p + body, size, sound);
            formatRead = problem.empty();
            if (!formatRead) {
                break;
            }
            problem = "it has no samples";
        } else if (std::memcmp(p + at, "data", 4) == 0) {
            const std::size_t frame =
                formatRead ? std::size_t(sound.channels * sound.bitsPerSample / 8) : 0;
            if (frame == 0 || size < frame) {
                problem = formatRead ? "it has no samples" : "its samples come before their format";
                break;
            }
            sound.samples.assign(p + body, p + body + size / frame * frame);
            return "";
        }
        at = body + size + (size & 1);  // chunks keep an even length
    }
    sound = WavSound();
    return problem;
}

std::string loadWav(const std::string& fileName, WavSound& sound) {
    sound = WavSound();
    std::FILE* file = openRegularFile(fileName.c_str());
    if (file == nullptr) {
        return "it cannot be opened";
    }
    std::vector<unsigned char> bytes;
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        length = std::ftell(file);
    }
    if (length >= 0 && length <= maxWavBytes && std::fseek(file, 0, SEEK_SET) == 0) {
        bytes.resize(std::size_t(length));
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    }
    std::fclose(file);
    if (length < 0 || length > maxWavBytes) {
        return "it is not a file of a sound effect's size";
    }
    return parseWav(bytes, sound);
}

}  // namespace vortimbal
