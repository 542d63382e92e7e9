// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdio>

#include "core/array.h"

namespace vortimbal {

class ReadableFile {
  public:
    virtual ~ReadableFile() = default;

    virtual bool eof() = 0;
    // Reads up to buffer.size() bytes into the buffer; returns how many arrived.
    virtual int read(Array<char> buffer) = 0;
    // Fills target with the whole rest of the file, resizing it to fit exactly.
    virtual void readAll(Array<char> target);
};

class InputFile : public ReadableFile {
  public:
    // Throws Exception "Unable to open the file" when the file cannot be opened.
    InputFile(const char* name, bool text);
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() override;

    bool eof() override;
    int read(Array<char> buffer) override;

  private:
    std::FILE* file;
};

class OutputFile {
  public:
    // Throws Exception "Unable to open the file" when the file cannot be created.
    OutputFile(const char* name, bool text);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    virtual ~OutputFile();

    // Writes the whole array; returns the number of bytes written.
    virtual int write(Array<char> bytes);

  private:
    std::FILE* file;
};

}  // namespace vortimbal
