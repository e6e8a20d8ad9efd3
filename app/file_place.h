// SPDX-License-Identifier: GPL-3.0-or-later
// Reaching a file through open folders rather than by path, so that nobody
// can swap a folder on the way between a check and the step it guards.
#pragma once

#include <string>

namespace brelvox {

// An open file descriptor, closed with the object.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd();
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Gives the descriptor up without closing it.
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_ = -1;
};

enum class PlaceKind {
  Present,   // something is there (a regular file or not: the caller checks)
  Missing,   // nothing, and a new file may be made there
  Dangling,  // a link to nothing, or a folder that is not there
  Refused,   // a link that may not be followed, a loop, or no folder to open
};

// Where a file lives: the folder that holds it, open, and its name there.
// Links are followed as the kernel's protection of shared folders would, and
// a little stricter: each link must belong to this user, or lie in a folder
// of its owner's and lead to something of that owner's. The folders on a
// link's way are opened one by one and never through a link, and every check
// is made on what was opened, so that nothing is looked up twice. The game's
// own folder (the folder part of `path`) is opened once as given.
struct FilePlace {
  PlaceKind kind = PlaceKind::Refused;
  UniqueFd folder;
  std::string name;
};
FilePlace FindFile(const std::string& path);

}  // namespace brelvox
