// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstddef>
#include <string>

namespace vortimbal {

// The state a game starts from, as lines of text: a name, then numbers. Floats
// are written in the fewest digits that read back to the same bits, so a
// restored game goes on exactly as the one it was taken from.
class SnapshotWriter {
  public:
    // Starts the next line.
    SnapshotWriter& line(const char* name);
    SnapshotWriter& operator<<(float value);
    SnapshotWriter& operator<<(double value);
    SnapshotWriter& operator<<(long value);
    SnapshotWriter& operator<<(int value) { return *this << long(value); }
    SnapshotWriter& operator<<(bool value) { return *this << long(value); }
    template <typename Vector>
    SnapshotWriter& xyz(const Vector& v) {
        return *this << v.x << v.y << v.z;
    }

    // Every line, each ending in a line end.
    std::string text() const { return written + (written.empty() ? "" : "\n"); }
    int lineCount() const { return lines; }

  private:
    std::string written;
    int lines = 0;
};

// Reads what SnapshotWriter wrote, line by line in the same order. The first
// thing out of place (a line of another name, a missing, extra or malformed
// number, one out of its range) fails the reader for good: every later read
// leaves its value as it was and `ok` says false.
class SnapshotReader {
  public:
    // Far beyond any coordinate, angle or speed of the game, and far within
    // what its arithmetic handles.
    static constexpr float limit = 1e9f;

    explicit SnapshotReader(const std::string& text) : text(text) {}

    // The next line must be `name`, and the one before read to its end.
    SnapshotReader& line(const char* name);
    // Finite and within the limit.
    SnapshotReader& operator>>(float& value);
    SnapshotReader& operator>>(double& value);
    SnapshotReader& operator>>(bool& value);
    SnapshotReader& operator>>(long& value) { return in(value, -long(limit), long(limit)); }
    // A whole number from `least` to `most`.
    SnapshotReader& in(long& value, long least, long most);
    SnapshotReader& in(int& value, int least, int most);
    template <typename Vector>
    SnapshotReader& xyz(Vector& v) {
        return *this >> v.x >> v.y >> v.z;
    }

    // Fails the reader from outside: what was read does not fit together.
    void fail() { failed = true; }
    bool ok() const { return !failed; }
    // Nothing failed and nothing is left.
    bool finished();

  private:
    // The next number of the line, or false.
    bool word(std::string& into);
    bool lineRead();

    const std::string& text;
    std::size_t at = 0;
    bool failed = false;
    bool started = false;
};

}  // namespace vortimbal
