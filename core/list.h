// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "core/array.h"

namespace vortimbal {

// An Array that also counts its stored elements and grows by a fixed step.
// Indices are checked against the capacity, not against the count.
template <typename T>
class List : public Array<T> {
  public:
    explicit List(int step = 64) : List(step, step < 1 ? 1 : step) {}
    // Room for `capacity` elements at first: lists of which thousands stay
    // empty or small need not hold a whole step each.
    List(int step, int capacity)
        : Array<T>(capacity < 0 ? 0 : capacity), step(step < 1 ? 1 : step) {}

    // A view sharing other's elements from element `from` on; with 0, a plain copy.
    List(const List& other, int from = 0)
        : Array<T>(other, from),
          step(other.step),
          stored(other.stored > from ? other.stored - from : 0) {}

    List& operator=(const List& other) {
        Array<T>::operator=(other);
        step = other.step;
        stored = other.stored;
        return *this;
    }

    void add(const T& x) {
        // x may live in this very storage, which growing frees.
        const T value = x;
        if (stored >= this->size()) {
            this->enlarge(step);
        }
        this->at(stored) = value;
        ++stored;
    }

    // Removes element i by moving the last stored element into its place.
    void removeAt(int i) {
        this->at(i) = this->get(stored - 1);
        --stored;
    }

    int count() const { return stored; }
    void clear() { stored = 0; }
    void trim() { this->resize(stored); }

    // The elements from `from` on, sharing storage with this list.
    List tail(int from) const { return List(*this, from); }

  private:
    int step;
    int stored = 0;
};

}  // namespace vortimbal
