// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdint>
#include <type_traits>

#include "core/exception.h"

namespace vortimbal {

// Storage shared by every handle that views the same elements.
struct ArrayBlock {
    void* data;
    std::uint32_t bytes;
    std::int32_t refs;
};

[[noreturn]] void throwIndexOutOfBounds();
[[noreturn]] void throwOutOfMemory();

// Where an array without storage starts.
char* noStorage();
// Drops one handle's share; the last one frees the storage.
void releaseBlock(ArrayBlock* block);

// Reallocates block->data to hold exactly `bytes` bytes, zeroing what is new.
void reallocateBlock(ArrayBlock* block, std::uint64_t bytes);

// A bounds-checked array whose elements are shared between copies and views:
// copying a handle never copies elements.
template <typename T>
class Array {
    static_assert(std::is_trivially_copyable_v<T>, "elements are moved with realloc");

  public:
    explicit Array(int n = 0) : block(new ArrayBlock{nullptr, 0, 1}), offset(0) {
        if (n < 0) {
            delete block;
            throwIndexOutOfBounds();
        }
        try {
            reallocateBlock(block, std::uint64_t(n) * sizeof(T));
        } catch (...) {
            delete block;
            throw;
        }
    }

    // A view sharing other's elements from element `from` on; with 0, a plain copy.
    Array(const Array& other, int from = 0) : block(other.block), offset(other.offset) {
        if (from < 0) {
            throwIndexOutOfBounds();
        }
        const std::uint64_t start = offset + std::uint64_t(from) * sizeof(T);
        offset = start > block->bytes ? block->bytes : std::uint32_t(start);
        ++block->refs;
    }

    Array& operator=(const Array& other) {
        if (this != &other) {
            ++other.block->refs;
            release();
            block = other.block;
            offset = other.offset;
        }
        return *this;
    }

    ~Array() { release(); }

    // Capacity seen from this handle, not a count of meaningful elements.
    int size() const {
        if (block->bytes <= offset) {
            return 0;
        }
        return int((block->bytes - offset) / sizeof(T));
    }

    // Never null, even with no storage: a start passed on with a count of 0 must be valid.
    T* data() const {
        char* start = block->data != nullptr ? static_cast<char*>(block->data) : noStorage();
        return reinterpret_cast<T*>(start + offset);
    }

    T& at(int i) const {
        if (i < 0 || i >= size()) {
            throwIndexOutOfBounds();
        }
        return data()[i];
    }

    T get(int i) const { return at(i); }

    // Every handle sharing the block sees the new storage.
    void resize(int n) {
        if (n < 0) {
            throwIndexOutOfBounds();
        }
        reallocateBlock(block, offset + std::uint64_t(n) * sizeof(T));
    }

    void enlarge(int n) { resize(size() + n); }
    void shrink(int n) { resize(size() - n); }

  private:
    void release() { releaseBlock(block); }

    ArrayBlock* block;
    std::uint32_t offset;
};

}  // namespace vortimbal
