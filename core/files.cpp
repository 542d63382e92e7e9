// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "core/files.h"

#include "platform/regular_file.h"

namespace vortimbal {

namespace {

constexpr int readAllChunk = 256;

std::FILE* openOrThrow(const char* name, const char* mode) {
    std::FILE* file = mode[0] == 'r' ? openRegularFile(name) : std::fopen(name, mode);
    if (file == nullptr) {
        throw new Exception("Unable to open the file");
    }
    return file;
}

}  // namespace

void ReadableFile::readAll(Array<char> target) {
    target.resize(readAllChunk);
    int total = 0;
    int got = 0;
    do {
        // The view's free space behind the data read so far is always one chunk.
        got = read(Array<char>(target, total));
        if (got > 0) {
            total += got;
            target.enlarge(got);
        }
    } while (got != 0);
    target.shrink(readAllChunk);
}

InputFile::InputFile(const char* name, bool text) : file(openOrThrow(name, text ? "rt" : "r")) {}

InputFile::~InputFile() {
    std::fclose(file);
}

bool InputFile::eof() {
    return std::feof(file) != 0;
}

int InputFile::read(Array<char> buffer) {
    return int(std::fread(buffer.data(), 1, std::size_t(buffer.size()), file));
}

OutputFile::OutputFile(const char* name, bool text) : file(openOrThrow(name, text ? "wt" : "w")) {}

OutputFile::~OutputFile() {
    std::fclose(file);
}

int OutputFile::write(Array<char> bytes) {
    return int(std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), file));
}

}  // namespace vortimbal
