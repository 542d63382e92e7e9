// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdio>
#include <string>

namespace vortimbal {

// A replay written as it is played: each line reaches the file at once, so a
// game killed halfway leaves what it played. After a failure it writes no more
// and says why; without its end line no reader takes it for a whole game.
class ReplayWriter {
  public:
    ReplayWriter() = default;
    ReplayWriter(const ReplayWriter&) = delete;
    ReplayWriter& operator=(const ReplayWriter&) = delete;
    // Closes a file still open as it stands, with no end line.
    ~ReplayWriter();

    // Creates `file` with the lines in `head`, each ending in a line end. A
    // `fresh` file is never put over another one: false with errno EEXIST then.
    bool open(const std::string& file, const std::string& head, bool fresh);
    bool isOpen() const { return out != nullptr; }
    // One input line, without its line end, stamped with `step`.
    bool write(long step, const std::string& line);
    // Writes "end", the step and the claim, and closes.
    bool close(long endStep, const std::string& claim);
    // Ends before the inputs stamped `step`, which are taken back: the run went
    // on past the game in that step.
    bool closeBefore(long step, const std::string& claim);

    const std::string& name() const { return file; }
    // Why the last call failed, as strerror says it.
    const std::string& error() const { return why; }

  private:
    bool writeText(const std::string& text);
    bool fail();

    std::FILE* out = nullptr;
    std::string file;
    std::string why;
    long lastStep = -1;
    long stepStart = 0;  // where the lines of lastStep begin in the file
};

}  // namespace vortimbal
