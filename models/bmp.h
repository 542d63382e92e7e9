// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace vortimbal {

// An uncompressed 24-bit image in OpenGL's order: red, green, blue, bottom row
// first, rows packed without padding.
struct BmpImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

enum class BmpResult {
    Loaded,
    FileNotFound,
    ReadError,        // the header ends early
    NotABitmap,       // no "BM" signature
    BadPlanes,        // planes not 1
    BadBitsPerPixel,  // not 24 bits per pixel
    LoadError,        // the pixels cannot be read: bad size, offset, compression or a short file
};

// Wider or taller images are refused before anything is allocated.
constexpr int maxBmpSide = 8192;

// Reads a BMP from an open file. The header is not trusted: sizes, the pixel
// offset and the file's real length are checked before any pixel is read. On
// failure the image is left empty.
BmpResult readBmp(std::FILE* file, BmpImage& image);

// The loader's message for a result, as printed; empty for Loaded. The message
// for FileNotFound names the file.
std::string bmpMessage(BmpResult result, const char* fileName);

// Reads the file into image; prints what went wrong on standard output.
// Returns 1 on success and 0 on failure.
int loadBmp(const char* fileName, BmpImage& image);

}  // namespace vortimbal
