// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a whole file so that a failure never leaves it half written, and
// the lock that lets several running games share one file.
#pragma once

#include <chrono>
#include <string>

#include "app/file_place.h"

namespace brelvox {

// An advisory lock on a hidden file ".NAME.lock" beside the file at `place`,
// held for the object's lifetime and removed with it. Waits at most `wait`
// for another game to let go. The lock file is opened without blocking and
// counts only as a regular file with one name, owned by this user, by root,
// by the folder's owner or by the locked file's owner; when it is anything
// else, cannot be made, or the wait runs out, Held() is false.
class FileLock {
 public:
  FileLock(const FilePlace& place, std::chrono::milliseconds wait);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return fd_.valid(); }

 private:
  UniqueFd folder_;
  UniqueFd fd_;
  std::string name_;
};

// Writes `content` to a new file beside the file at `place` and renames it
// over that file, all inside the place's open folder. Needs `lock`, held for
// this place: nothing is written without it. Refuses (returns false, leaving
// everything as it was) when the file is no regular file, is not writable for
// its owner (checked on the permission bits, which a rename as root would
// ignore) or for this user, when the place is a link that dangles or may not
// be followed, or when anything in writing fails. The replaced file keeps its
// mode, owner and group; where this user may not give the new file the old
// owner or group, the file is rewritten in place instead. A new file is
// always readable and writable by its owner.
//
// The temporary file is ".NAME.tmp", or where that name is taken by
// something that cannot be removed (a folder), ".NAME.tmp1" to ".NAME.tmp7";
// what a killed run left under any of these names is removed first.
// `durable` makes the new content reach the disk before returning (a fsync
// of the file and its folder).
bool ReplaceFile(const FilePlace& place, const std::string& content, const FileLock& lock,
                 bool durable = true);

// The same for a path, taking the lock for a moment.
bool ReplaceFileAtomically(const std::string& path, const std::string& content);

}  // namespace brelvox
