// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "models/bmp.h"

using namespace vortimbal;

namespace {

using Bytes = std::vector<unsigned char>;

void put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = (value >> (8 * i)) & 0xff;
    }
}

// A 54-byte header followed by the given pixel bytes.
Bytes bmp(std::int32_t width, std::int32_t height, const Bytes& pixels, int bitsPerPixel = 24) {
    Bytes bytes(54 + pixels.size(), 0);
    std::copy(pixels.begin(), pixels.end(), bytes.begin() + 54);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 10, 54);
    put32(bytes, 14, 40);
    put32(bytes, 18, std::uint32_t(width));
    put32(bytes, 22, std::uint32_t(height));
    bytes[26] = 1;
    bytes[28] = std::uint8_t(bitsPerPixel);
    return bytes;
}

// Loads the bytes the way the game does; returns what it printed.
std::string load(const Bytes& bytes, BmpImage& image, int& result) {
    const std::string path = ::testing::TempDir() + "bmp_test_" + std::to_string(getpid());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ::testing::internal::CaptureStdout();
    result = loadBmp(path.c_str(), image);
    return ::testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(Bmp, ReadsPaddedRowsAsRedGreenBlue) {
    // Width 3: nine bytes of pixels and three of padding, which the last row may lack.
    const Bytes rows = {1,    2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE,
                        0xEE, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    BmpImage image;
    int result = 0;
    EXPECT_EQ(load(bmp(3, 2, rows), image, result), "");
    ASSERT_EQ(result, 1);
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 13, 12, 11, 16, 15, 14, 19, 18, 17}));
    EXPECT_EQ(load(bmp(8192, 1, Bytes(8192 * 3)), image, result), "") << "the widest allowed";
}

TEST(Bmp, RefusesEveryBadFileWithItsMessageAndAnEmptyImage) {
    const Bytes six = {1, 2, 3, 4, 5, 6};
    Bytes planes = bmp(2, 1, six), offsetPastEnd = bmp(2, 1, six), compressed = bmp(2, 1, six);
    planes[26] = 2;
    put32(offsetPastEnd, 10, 1000);
    compressed[30] = 1;
    const Bytes header = bmp(2, 1, {});
    const struct {
        Bytes bytes;
        const char* message;
    } cases[] = {
        {{}, "Error reading file!\n"},
        {{'P', '6', '\n', '2', ' ', '1'}, "Not a Bitmap-File!\n"},
        {Bytes(header.begin(), header.begin() + 24), "Error reading file!\n"},
        {Bytes(header.begin(), header.begin() + 28), "Error reading file!\n"},
        {planes, "Error: number of Planes not 1!\n"},
        {bmp(2, 1, six, 8), "Bits per Pixel not 24\n"},
        {bmp(0, 1, six), "Error loading file!\n"},
        {bmp(2, -1, six), "Error loading file!\n"},
        {bmp(8193, 1, Bytes(8193 * 3)), "Error loading file!\n"},
        {bmp(0x7fffffff, 0x7fffffff, six), "Error loading file!\n"},
        {offsetPastEnd, "Error loading file!\n"},
        {bmp(3, 2, Bytes(20)), "Error loading file!\n"},  // one byte short
        {compressed, "Error loading file!\n"},
    };
    for (const auto& c : cases) {
        BmpImage image;
        image.width = 7;
        int result = -1;
        EXPECT_EQ(load(c.bytes, image, result), c.message) << c.bytes.size() << " bytes";
        EXPECT_EQ(result, 0);
        EXPECT_EQ(image.width, 0);
        EXPECT_TRUE(image.pixels.empty());
    }
    BmpImage image;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(loadBmp("no/such.bmp", image), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "File not found : no/such.bmp\n");
}

#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer needs more address space than this allows
// Loads a claimed 8192 by 8192 image from a 60-byte file with 64 MiB to spare.
int refusedWithLittleMemory() {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t spare = rlim_t(pages) * sysconf(_SC_PAGESIZE) + (64 << 20);
    const rlimit limit{spare, spare};
    setrlimit(RLIMIT_AS, &limit);
    BmpImage image;
    int result = -1;
    load(bmp(8192, 8192, Bytes(6)), image, result);
    return result == 0 ? 0 : 1;
}

TEST(Bmp, AHugeClaimInASmallFileAllocatesNothing) {
    EXPECT_EXIT(std::exit(refusedWithLittleMemory()), ::testing::ExitedWithCode(0), "");
}
#endif
