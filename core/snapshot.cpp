// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "core/snapshot.h"

#include <charconv>
#include <cmath>

namespace vortimbal {

namespace {

// The shortest text that reads back to the same bits.
template <typename Number>
void append(std::string& to, Number value) {
    char digits[32];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    to += ' ';
    to.append(digits, end.ptr);
}

template <typename Number>
bool parse(const std::string& word, Number& value) {
    const char* end = word.data() + word.size();
    const std::from_chars_result read = std::from_chars(word.data(), end, value);
    return read.ec == std::errc() && read.ptr == end;
}

template <typename Real>
bool readReal(SnapshotReader& reader, const std::string& word, Real& value) {
    Real read = 0;
    if (!parse(word, read) || !std::isfinite(read) || std::fabs(read) > SnapshotReader::limit) {
        reader.fail();
        return false;
    }
    value = read;
    return true;
}

}  // namespace

SnapshotWriter& SnapshotWriter::line(const char* name) {
    if (lines++ > 0) {
        written += '\n';
    }
    written += name;
    return *this;
}

SnapshotWriter& SnapshotWriter::operator<<(float value) {
    append(written, value);
    return *this;
}

SnapshotWriter& SnapshotWriter::operator<<(double value) {
    append(written, value);
    return *this;
}

SnapshotWriter& SnapshotWriter::operator<<(long value) {
    append(written, value);
    return *this;
}

bool SnapshotReader::lineRead() {
    if (!started) {
        return true;
    }
    if (at < text.size() && text[at] == '\n') {
        ++at;
        return true;
    }
    return at == text.size();
}

SnapshotReader& SnapshotReader::line(const char* name) {
    if (failed || !lineRead() || at == text.size()) {
        failed = true;
        return *this;
    }
    started = true;
    const std::size_t end = text.find_first_of(" \n", at);
    const std::size_t length = (end == std::string::npos ? text.size() : end) - at;
    failed = text.compare(at, length, name) != 0;
    at += length;
    return *this;
}

bool SnapshotReader::word(std::string& into) {
    if (failed || at >= text.size() || text[at] != ' ') {
        failed = true;
        return false;
    }
    ++at;
    const std::size_t end = text.find_first_of(" \n", at);
    into = text.substr(at, (end == std::string::npos ? text.size() : end) - at);
    at += into.size();
    failed = into.empty();
    return !failed;
}

SnapshotReader& SnapshotReader::operator>>(float& value) {
    std::string read;
    if (word(read)) {
        readReal(*this, read, value);
    }
    return *this;
}

SnapshotReader& SnapshotReader::operator>>(double& value) {
    std::string read;
    if (word(read)) {
        readReal(*this, read, value);
    }
    return *this;
}

SnapshotReader& SnapshotReader::operator>>(bool& value) {
    int read = 0;
    if (in(read, 0, 1).ok()) {
        value = read != 0;
    }
    return *this;
}

SnapshotReader& SnapshotReader::in(long& value, long least, long most) {
    std::string read;
    long number = 0;
    if (word(read) && (!parse(read, number) || number < least || number > most)) {
        failed = true;
    }
    if (!failed) {
        value = number;
    }
    return *this;
}

SnapshotReader& SnapshotReader::in(int& value, int least, int most) {
    long read = 0;
    if (in(read, least, most).ok()) {
        value = int(read);
    }
    return *this;
}

bool SnapshotReader::finished() {
    return !failed && lineRead() && at >= text.size();
}

}  // namespace vortimbal
