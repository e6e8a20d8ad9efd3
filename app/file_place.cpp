// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_place.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

namespace brelvox {

UniqueFd::~UniqueFd() {
  if (fd_ >= 0) ::close(fd_);
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

namespace {

constexpr int kMaxLinkHops = 40;  // as many as the kernel follows

// The parts of a path between slashes, without empty ones and ".".
std::vector<std::string> PartsOf(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    if (!part.empty() && part != ".") parts.push_back(std::move(part));
    start = end + 1;
  }
  return parts;
}

// The folder `name` inside `dir`, refused when that name is a link.
UniqueFd OpenSubfolder(int dir, const std::string& name) {
  UniqueFd fd(::openat(dir, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  struct stat st;
  if (fd.valid() && (::fstat(fd.get(), &st) != 0 || !S_ISDIR(st.st_mode))) {
    errno = ELOOP;
    return UniqueFd();
  }
  return fd;
}

// Walks a link's text from the folder holding the link to the folder its last
// part lies in. Returns 0 or the errno of the step that failed.
int WalkTo(int from, const std::string& to, FilePlace& place) {
  const std::vector<std::string> parts = PartsOf(to);
  // A text naming a folder leads to no file.
  if (parts.empty() || to.back() == '/' || parts.back() == "..") return EISDIR;
  const bool absolute = to[0] == '/';
  UniqueFd dir(
      ::openat(absolute ? AT_FDCWD : from, absolute ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!dir.valid()) return errno;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    dir = OpenSubfolder(dir.get(), parts[i]);
    if (!dir.valid()) return errno;
  }
  place.folder = std::move(dir);
  place.name = parts.back();
  return 0;
}

uid_t OwnerOf(int fd) {
  struct stat st;
  return ::fstat(fd, &st) == 0 ? st.st_uid : static_cast<uid_t>(-1);
}

}  // namespace

FilePlace FindFile(const std::string& path) {
  FilePlace place;
  const std::size_t slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? "."
                          : slash == 0               ? "/"
                                                     : path.substr(0, slash);
  place.name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (place.name.empty() || place.name == "." || place.name == "..") return place;
  place.folder = UniqueFd(::open(dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!place.folder.valid()) {
    if (errno == ENOENT) place.kind = PlaceKind::Dangling;
    return place;
  }
  const uid_t me = ::geteuid();
  for (int hops = 0;; ++hops) {
    struct stat lst;
    if (::fstatat(place.folder.get(), place.name.c_str(), &lst, AT_SYMLINK_NOFOLLOW) != 0) {
      place.kind = errno != ENOENT ? PlaceKind::Refused
                   : hops == 0     ? PlaceKind::Missing
                                   : PlaceKind::Dangling;
      return place;
    }
    if (!S_ISLNK(lst.st_mode)) {
      place.kind = PlaceKind::Present;
      return place;
    }
    place.kind = PlaceKind::Refused;
    if (hops == kMaxLinkHops) return place;
    char text[PATH_MAX];
    const ssize_t n = ::readlinkat(place.folder.get(), place.name.c_str(), text, sizeof text);
    if (n <= 0 || n == static_cast<ssize_t>(sizeof text)) return place;
    // Someone else's link is followed only in a folder of theirs, and only
    // to something of theirs, so that it never lends this user's rights
    // (root playing in a player's folder) to a file its owner could not write.
    const bool foreign = lst.st_uid != me;
    if (foreign && OwnerOf(place.folder.get()) != lst.st_uid) return place;
    FilePlace next;
    if (const int error =
            WalkTo(place.folder.get(), std::string(text, static_cast<std::size_t>(n)), next);
        error != 0) {
      if (error == ENOENT && !foreign) place.kind = PlaceKind::Dangling;
      return place;
    }
    if (foreign) {
      struct stat to;
      if (::fstatat(next.folder.get(), next.name.c_str(), &to, AT_SYMLINK_NOFOLLOW) != 0 ||
          to.st_uid != lst.st_uid) {
        return place;
      }
    }
    place.folder = std::move(next.folder);
    place.name = std::move(next.name);
  }
}

}  // namespace brelvox
