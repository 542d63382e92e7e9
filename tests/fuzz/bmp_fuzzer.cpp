// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// libFuzzer entry point: the BMP loader on arbitrary bytes. Besides the
// sanitizers' checks, a loaded image must be exactly as large as it claims.

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "models/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;  // fmemopen refuses an empty buffer
    }
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (file == nullptr) {
        return 0;
    }
    vortimbal::BmpImage image;
    const vortimbal::BmpResult result = vortimbal::readBmp(file, image);
    std::fclose(file);
    if (result != vortimbal::BmpResult::Loaded) {
        if (image.width != 0 || image.height != 0 || !image.pixels.empty()) {
            __builtin_trap();
        }
        return 0;
    }
    if (image.width <= 0 || image.height <= 0 || image.width > vortimbal::maxBmpSide ||
        image.height > vortimbal::maxBmpSide ||
        image.pixels.size() != std::size_t(image.width) * std::size_t(image.height) * 3 ||
        image.pixels.size() > size) {
        __builtin_trap();
    }
    return 0;
}
