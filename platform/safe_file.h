// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace vortimbal {

// Makes every missing folder of `path`'s parent, private to the player as XDG
// asks; true when the parent exists.
bool makeParentFolders(const std::string& path);

// An exclusive lock (flock, LockFileEx) on the file `name`, created when missing, held while the
// object lives. Never a symlink; gives up after about two seconds.
class FileLock {
  public:
    explicit FileLock(const std::string& name);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // False with errno set when the lock could not be taken.
    bool held() const { return fd >= 0; }

  private:
    std::intptr_t fd;  // a descriptor, or a handle on Windows
};

// Puts `text` in place of the file `name` all at once: a crash leaves either
// the old file or the new one. A symlink is written through: its target is
// replaced, in the target's folder, and the link stays. Temporaries a killed
// save left behind go first, so call it under the file's lock. False with
// errno set, `name` untouched and no temporary file left, when that cannot be
// done.
bool replaceFile(const std::string& name, const std::string& text);

// Renames the file `name` to `name`.damaged, or to the first free
// `name`.damaged.N, never over an earlier copy. Returns the new name, or ""
// with errno set and `name` left in place.
std::string keepAside(const std::string& name);

// A new file opened for writing, made exclusively and never through a link:
// null with errno EEXIST when the name is taken.
std::FILE* createNewFile(const std::string& name, bool privateToPlayer);

// `name` opened for writing (new, as createNewFile, when `fresh`, else emptied)
// under a shared lock held while it is open, so that another game's pruning
// leaves it alone.
std::FILE* openHeldForWriting(const std::string& name, bool fresh);

// Whether a game still writes `path` (in this run or another), or it is no
// regular file, and so no game's to remove.
bool mustStay(const std::string& path);

// Cuts an open file to its first `size` bytes; false with errno set when it cannot.
bool cutShort(std::FILE* file, long size);

// False with errno set when it cannot be removed.
bool removeFile(const std::string& name);

}  // namespace vortimbal
