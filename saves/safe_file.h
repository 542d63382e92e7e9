// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

// Makes every missing folder of `path`'s parent, private to the player as XDG
// asks; true when the parent exists.
bool makeParentFolders(const std::string& path);

// An exclusive flock on the file `name`, created when missing, held while the
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
    int fd;
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

}  // namespace vortimbal
