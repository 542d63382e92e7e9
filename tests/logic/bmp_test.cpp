#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
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
    put32(bytes, 2, std::uint32_t(54 + pixels.size()));
    put32(bytes, 10, 54);
    put32(bytes, 14, 40);
    put32(bytes, 18, std::uint32_t(width));
    put32(bytes, 22, std::uint32_t(height));
    bytes[26] = 1;
    bytes[28] = std::uint8_t(bitsPerPixel);
    return bytes;
}

std::string writeFile(const std::string& name, const Bytes& bytes) {
    const std::string path = ::testing::TempDir() + "bmp_test_" + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

// Loads the file the way the game does; returns what it printed.
std::string loadPrinting(const std::string& path, BmpImage& image, int& result) {
    ::testing::internal::CaptureStdout();
    result = loadBmp(path.c_str(), image);
    return ::testing::internal::GetCapturedStdout();
}

std::filesystem::path bmpSuite() {
    return std::filesystem::path(VORTIMBAL_SOURCE_DIR) / ".." / "shared" / "corpora" / "bmpsuite";
}

bool haveImageMagick() {
    return std::system("command -v convert >/dev/null 2>&1") == 0;
}

// The image as ImageMagick reads it, turned into our bottom-up RGB order.
Bytes pixelsByImageMagick(const std::string& file, int width, int height) {
    const std::string ppm = ::testing::TempDir() + "bmp_test_reference.ppm";
    EXPECT_EQ(std::system(("convert '" + file + "' -depth 8 ppm:'" + ppm + "'").c_str()), 0);
    std::ifstream in(ppm, std::ios::binary);
    std::string magic;
    int w = 0, h = 0, maxValue = 0;
    in >> magic >> w >> h >> maxValue;
    in.get();
    EXPECT_EQ(magic, "P6");
    EXPECT_EQ(w, width);
    EXPECT_EQ(h, height);
    Bytes topDown(std::size_t(width) * height * 3);
    in.read(reinterpret_cast<char*>(topDown.data()), std::streamsize(topDown.size()));
    Bytes bottomUp;
    for (int row = height - 1; row >= 0; --row) {
        auto start = topDown.begin() + std::ptrdiff_t(row) * width * 3;
        bottomUp.insert(bottomUp.end(), start, start + width * 3);
    }
    return bottomUp;
}

}  // namespace

TEST(Bmp, SwapsBlueAndRedOfEveryPixel) {
    BmpImage image;
    int result = 0;
    const std::string printed =
        loadPrinting(writeFile("2x1", bmp(2, 1, {10, 20, 30, 40, 50, 60})), image, result);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(printed, "");
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 1);
    EXPECT_EQ(image.pixels, (Bytes{30, 20, 10, 60, 50, 40}));
}

TEST(Bmp, SkipsThePaddingAtTheEndOfEachRow) {
    // Width 3: nine bytes of pixels and three of padding per row.
    const Bytes rows = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE,
                        11, 12, 13, 14, 15, 16, 17, 18, 19, 0xEE, 0xEE, 0xEE};
    BmpImage image;
    int result = 0;
    loadPrinting(writeFile("3x2", bmp(3, 2, rows)), image, result);
    ASSERT_EQ(result, 1);
    EXPECT_EQ(image.pixels, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 13, 12, 11, 16, 15, 14, 19, 18, 17}));
}

TEST(Bmp, RefusesEveryBadFileWithItsMessageAndAnEmptyImage) {
    const Bytes six = {1, 2, 3, 4, 5, 6};
    Bytes planes = bmp(2, 1, six);
    planes[26] = 2;
    Bytes offsetPastEnd = bmp(2, 1, six);
    put32(offsetPastEnd, 10, 1000);
    Bytes compressed = bmp(2, 1, six);
    compressed[30] = 1;
    const Bytes header = bmp(2, 1, {});
    const struct {
        const char* name;
        Bytes bytes;
        const char* message;
    } cases[] = {
        {"empty", {}, "Error reading file!\n"},
        {"other_signature", {'P', '6', '\n', '2', ' ', '1'}, "Not a Bitmap-File!\n"},
        {"cut_in_header", Bytes(header.begin(), header.begin() + 24), "Error reading file!\n"},
        {"cut_before_bits", Bytes(header.begin(), header.begin() + 28), "Error reading file!\n"},
        {"two_planes", planes, "Error: number of Planes not 1!\n"},
        {"8_bits", bmp(2, 1, six, 8), "Bits per Pixel not 24\n"},
        {"32_bits", bmp(2, 1, six, 32), "Bits per Pixel not 24\n"},
        {"zero_width", bmp(0, 1, six), "Error loading file!\n"},
        {"zero_height", bmp(2, 0, six), "Error loading file!\n"},
        {"negative_width", bmp(-2, 1, six), "Error loading file!\n"},
        {"top_down", bmp(2, -1, six), "Error loading file!\n"},
        {"huge", bmp(100000, 100000, six), "Error loading file!\n"},
        {"overflowing", bmp(0x7fffffff, 0x7fffffff, six), "Error loading file!\n"},
        {"offset_past_end", offsetPastEnd, "Error loading file!\n"},
        {"short_pixels", bmp(2, 2, {1, 2, 3, 4, 5, 6, 0, 0, 9}), "Error loading file!\n"},
        {"compressed", compressed, "Error loading file!\n"},
    };
    for (const auto& c : cases) {
        BmpImage image;
        image.width = 7;
        int result = -1;
        EXPECT_EQ(loadPrinting(writeFile(c.name, c.bytes), image, result), c.message) << c.name;
        EXPECT_EQ(result, 0) << c.name;
        EXPECT_EQ(image.width, 0) << c.name;
        EXPECT_TRUE(image.pixels.empty()) << c.name;
    }
    BmpImage image;
    int result = -1;
    const std::string missing = ::testing::TempDir() + "bmp_test_missing.bmp";
    EXPECT_EQ(loadPrinting(missing, image, result), "File not found : " + missing + "\n");
    EXPECT_EQ(result, 0);
}

TEST(Bmp, ReadsWhatImageMagickWrites) {
    if (!haveImageMagick()) {
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    }
    const int width = 5, height = 3;  // rows of 15 bytes, one of padding
    Bytes topDown;
    for (int i = 0; i < width * height * 3; ++i) {
        topDown.push_back(std::uint8_t(i * 17 + 3));
    }
    std::string ppm = "P6\n5 3\n255\n";
    ppm.append(topDown.begin(), topDown.end());
    const std::string source = writeFile("magick.ppm", Bytes(ppm.begin(), ppm.end()));
    Bytes bottomUp;
    for (int row = height - 1; row >= 0; --row) {
        auto start = topDown.begin() + row * width * 3;
        bottomUp.insert(bottomUp.end(), start, start + width * 3);
    }
    const std::string target = ::testing::TempDir() + "bmp_test_magick.bmp";
    ASSERT_EQ(
        std::system(("convert '" + source + "' -type TrueColor BMP3:'" + target + "'").c_str()), 0);
    BmpImage image;
    int result = 0;
    loadPrinting(target, image, result);
    ASSERT_EQ(result, 1);
    EXPECT_EQ(image.width, width);
    EXPECT_EQ(image.height, height);
    EXPECT_EQ(image.pixels, bottomUp);
}

TEST(Bmp, SurvivesThePublicSuiteAndReadsItsPlain24BitImages) {
    if (!std::filesystem::is_directory(bmpSuite())) {
        GTEST_SKIP() << "no BMP suite at " << bmpSuite();
    }
    for (const char* folder : {"b", "q", "g"}) {
        for (const auto& entry : std::filesystem::directory_iterator(bmpSuite() / folder)) {
            std::FILE* file = std::fopen(entry.path().c_str(), "rb");
            ASSERT_NE(file, nullptr) << entry.path();
            BmpImage image;
            const BmpResult result = readBmp(file, image);
            std::fclose(file);
            if (result == BmpResult::Loaded) {
                EXPECT_EQ(image.pixels.size(), std::size_t(image.width) * image.height * 3);
            }
        }
    }
    BmpImage plain, withPalette;
    int result = 0;
    loadPrinting((bmpSuite() / "g" / "rgb24.bmp").string(), plain, result);
    ASSERT_EQ(result, 1);
    EXPECT_EQ(plain.width, 127);
    EXPECT_EQ(plain.height, 64);
    loadPrinting((bmpSuite() / "g" / "rgb24pal.bmp").string(), withPalette, result);
    ASSERT_EQ(result, 1);
    EXPECT_EQ(withPalette.pixels, plain.pixels);  // the same picture behind a palette
    if (haveImageMagick()) {
        EXPECT_EQ(plain.pixels,
                  pixelsByImageMagick((bmpSuite() / "g" / "rgb24.bmp").string(), 127, 64));
    }
}
