// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "core/array.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace vortimbal {

void throwIndexOutOfBounds() {
    throw new Exception("Index out of bounds");
}

void throwOutOfMemory() {
    throw new Exception("Out of memory");
}

char* noStorage() {
    alignas(std::max_align_t) static char start[1];
    return start;
}

void releaseBlock(ArrayBlock* block) {
    if (--block->refs == 0) {
        std::free(block->data);
        delete block;
    }
}

void reallocateBlock(ArrayBlock* block, std::uint64_t bytes) {
    if (bytes > std::numeric_limits<std::int32_t>::max()) {
        throwOutOfMemory();
    }
    // An empty array holds no storage at all: thousands of them stay empty.
    // realloc of zero bytes has no portable meaning, so that case frees here.
    if (bytes == 0) {
        std::free(block->data);
        block->data = nullptr;
        block->bytes = 0;
        return;
    }
    void* data = std::realloc(block->data, std::size_t(bytes));
    if (data == nullptr) {
        throwOutOfMemory();
    }
    if (bytes > block->bytes) {
        std::memset(static_cast<char*>(data) + block->bytes, 0, std::size_t(bytes - block->bytes));
    }
    block->data = data;
    block->bytes = std::uint32_t(bytes);
}

}  // namespace vortimbal
