// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/replay_writer.h"

#include <cerrno>
#include <cstring>

#include "platform/safe_file.h"

namespace vortimbal {

ReplayWriter::~ReplayWriter() {
    if (out != nullptr) {
        std::fclose(out);
    }
}

bool ReplayWriter::open(const std::string& name, const std::string& head, bool fresh) {
    if (out != nullptr) {
        std::fclose(out);
    }
    file = name;
    lastStep = -1;
    out = openHeldForWriting(name, fresh);
    if (out == nullptr) {
        return fail();
    }
    return writeText(head);
}

bool ReplayWriter::write(long step, const std::string& line) {
    if (out == nullptr) {
        return false;
    }
    if (step != lastStep) {
        lastStep = step;
        stepStart = std::ftell(out);
    }
    return writeText(std::to_string(step) + ' ' + line + '\n');
}

bool ReplayWriter::close(long endStep, const std::string& claim) {
    if (out == nullptr ||
        !writeText("end " + std::to_string(endStep) + (claim.empty() ? "" : " ") + claim + '\n')) {
        return false;
    }
    errno = EIO;
    const bool closed = std::fclose(out) == 0;
    out = nullptr;
    return closed || fail();
}

bool ReplayWriter::closeBefore(long step, const std::string& claim) {
    if (out != nullptr && step == lastStep) {
        errno = EIO;
        if (!cutShort(out, stepStart) || std::fseek(out, stepStart, SEEK_SET) != 0) {
            return fail();
        }
    }
    return close(step, claim);
}

bool ReplayWriter::writeText(const std::string& text) {
    errno = EIO;
    if (std::fputs(text.c_str(), out) < 0 || std::fflush(out) != 0) {
        return fail();
    }
    return true;
}

bool ReplayWriter::fail() {
    why = std::strerror(errno);
    if (out != nullptr) {
        std::fclose(out);
        out = nullptr;
    }
    return false;
}

}  // namespace vortimbal
