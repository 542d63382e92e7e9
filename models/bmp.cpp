// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "models/bmp.h"

#include <cstdint>
#include <utility>

#include "platform/regular_file.h"

namespace vortimbal {

namespace {

constexpr std::uint16_t bmpSignature = 0x4D42;  // "BM", little-endian
constexpr std::uint32_t uncompressed = 0;
// Header sizes from which the compression field follows the bit count.
constexpr std::uint32_t headerWithCompression = 20;

bool readBytes(std::FILE* file, unsigned char* bytes, std::size_t n) {
    return std::fread(bytes, 1, n, file) == n;
}

bool readU16(std::FILE* file, std::uint16_t& value) {
    unsigned char b[2];
    if (!readBytes(file, b, 2)) {
        return false;
    }
    value = std::uint16_t(b[0] | b[1] << 8);
    return true;
}

bool readU32(std::FILE* file, std::uint32_t& value) {
    unsigned char b[4];
    if (!readBytes(file, b, 4)) {
        return false;
    }
    value = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
            std::uint32_t(b[3]) << 24;
    return true;
}

bool readI32(std::FILE* file, std::int32_t& value) {
    std::uint32_t bits = 0;
    if (!readU32(file, bits)) {
        return false;
    }
    value = std::int32_t(bits);
    return true;
}

bool skip(std::FILE* file, std::size_t n) {
    unsigned char ignored[8];
    return n <= sizeof ignored && readBytes(file, ignored, n);
}

struct BmpHeader {
    std::uint32_t pixelOffset = 0;
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = uncompressed;
};

BmpResult readHeader(std::FILE* file, BmpHeader& header) {
    std::uint16_t signature = 0;
    if (!readU16(file, signature)) {
        return BmpResult::ReadError;
    }
    if (signature != bmpSignature) {
        return BmpResult::NotABitmap;
    }
    if (!skip(file, 8) || !readU32(file, header.pixelOffset)) {
        return BmpResult::ReadError;
    }
    if (!readU32(file, header.headerSize) || !readI32(file, header.width) ||
        !readI32(file, header.height) || !readU16(file, header.planes)) {
        return BmpResult::ReadError;
    }
    if (header.planes != 1) {
        return BmpResult::BadPlanes;
    }
    if (!readU16(file, header.bitsPerPixel)) {
        return BmpResult::ReadError;
    }
    if (header.bitsPerPixel != 24) {
        return BmpResult::BadBitsPerPixel;
    }
    if (header.headerSize >= headerWithCompression && !readU32(file, header.compression)) {
        return BmpResult::LoadError;
    }
    return BmpResult::Loaded;
}

// The file's length in bytes, or -1 when it cannot be told.
long fileLength(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return -1;
    }
    return std::ftell(file);
}

// Rows are stored padded to whole 4-byte words; the last row's padding may be missing.
bool pixelsFitInFile(const BmpHeader& header, long length) {
    const std::uint64_t rowBytes = std::uint64_t(header.width) * 3;
    const std::uint64_t storedRowBytes = (rowBytes + 3) / 4 * 4;
    const std::uint64_t end =
        header.pixelOffset + storedRowBytes * std::uint64_t(header.height - 1) + rowBytes;
    return length >= 0 && end <= std::uint64_t(length);
}

bool sizeIsSane(const BmpHeader& header) {
    return header.width > 0 && header.height > 0 && header.width <= maxBmpSide &&
           header.height <= maxBmpSide && header.compression == uncompressed;
}

BmpResult readPixels(std::FILE* file, const BmpHeader& header, std::vector<unsigned char>& out) {
    const std::size_t rowBytes = std::size_t(header.width) * 3;
    const std::size_t storedRowBytes = (rowBytes + 3) / 4 * 4;
    out.assign(rowBytes * std::size_t(header.height), 0);
    for (std::size_t row = 0; row < std::size_t(header.height); ++row) {
        const long at = long(header.pixelOffset + row * storedRowBytes);
        if (std::fseek(file, at, SEEK_SET) != 0 ||
            !readBytes(file, out.data() + row * rowBytes, rowBytes)) {
            return BmpResult::LoadError;
        }
    }
    for (std::size_t i = 0; i + 2 < out.size(); i += 3) {
        std::swap(out[i], out[i + 2]);  // blue, green, red to red, green, blue
    }
    return BmpResult::Loaded;
}

}  // namespace

BmpResult readBmp(std::FILE* file, BmpImage& image) {
    image = BmpImage();
    BmpHeader header;
    BmpResult result = readHeader(file, header);
    if (result != BmpResult::Loaded) {
        return result;
    }
    if (!sizeIsSane(header) || !pixelsFitInFile(header, fileLength(file))) {
        return BmpResult::LoadError;
    }
    std::vector<unsigned char> pixels;
    result = readPixels(file, header, pixels);
    if (result == BmpResult::Loaded) {
        image.width = header.width;
        image.height = header.height;
        image.pixels = std::move(pixels);
    }
    return result;
}

std::string bmpMessage(BmpResult result, const char* fileName) {
    switch (result) {
        case BmpResult::Loaded:
            return "";
        case BmpResult::FileNotFound:
            return std::string("File not found : ") + (fileName ? fileName : "(null)") + "\n";
        case BmpResult::ReadError:
            return "Error reading file!\n";
        case BmpResult::NotABitmap:
            return "Not a Bitmap-File!\n";
        case BmpResult::BadPlanes:
            return "Error: number of Planes not 1!\n";
        case BmpResult::BadBitsPerPixel:
            return "Bits per Pixel not 24\n";
        case BmpResult::LoadError:
            break;
    }
    return "Error loading file!\n";
}

int loadBmp(const char* fileName, BmpImage& image) {
    image = BmpImage();
    std::FILE* file = openRegularFile(fileName);
    BmpResult result = BmpResult::FileNotFound;
    if (file != nullptr) {
        result = readBmp(file, image);
        std::fclose(file);
    }
    std::printf("%s", bmpMessage(result, fileName).c_str());
    return result == BmpResult::Loaded ? 1 : 0;
}

}  // namespace vortimbal
