// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a whole file so that a failure never leaves it half written, and
// the lock that lets several running games share one file.
#pragma once

#include <string>

namespace brelvox {

// Where `path` leads, following symbolic links only as the kernel's protection
// of shared folders would, and a little stricter: each link must belong to
// this user, or to the owner of the folder that holds it and lead to something
// of that owner's. Returns false when a link may not be followed or the chain
// is too long (a loop); `target` may name a missing file.
bool FollowLinks(const std::string& path, std::string& target);

// An advisory lock on a hidden file beside the file `path` leads to, held for
// the object's lifetime and removed with it. Waits a few seconds at most for
// another game to let go; when the lock cannot be had (no lock file can be
// made, or the wait runs out), Held() is false and the caller goes on without.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
  std::string lockPath_;
};

// Writes `content` to a new file beside `path` and renames it over `path`.
// Refuses (returns false, leaving everything as it was) when `path` is a
// directory, is not writable for its owner (checked on the permission bits,
// which a rename as root would ignore) or for this user, is a dangling or
// looping symbolic link or one FollowLinks will not follow, or when anything
// in writing fails. A symbolic link to a regular file is kept: its target is
// replaced. The replaced file keeps its mode, owner and group; where this user
// may not give the new file the old owner or group, the file is rewritten in
// place instead. A new file is always readable and writable by its owner.
//
// `lock`, when held, is this file's FileLock: the temporary file then has one
// fixed name and a leftover of a killed run is cleared. Without it the call
// takes the lock itself. `durable` makes the new content reach the disk before
// returning (a fsync of the file and its folder).
bool ReplaceFileAtomically(const std::string& path, const std::string& content,
                           const FileLock* lock = nullptr, bool durable = true);

}  // namespace brelvox
