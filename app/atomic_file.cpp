// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <thread>
#include <vector>

namespace brelvox {
namespace {

constexpr int kMaxLinkHops = 40;  // as many as the kernel follows
constexpr auto kLockWait = std::chrono::seconds(3);

bool WriteAll(int fd, const std::string& content) {
  const char* p = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// The folder part of a path with its final slash, or empty for the working folder.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A hidden name beside `path`: "dir/.base" + suffix.
std::string HiddenBeside(const std::string& path, const char* suffix) {
  const std::string dir = FolderOf(path);
  return dir + "." + path.substr(dir.size()) + suffix;
}

// The file that really gets replaced: the target of a link, or the path itself.
bool ResolveTarget(const std::string& path, std::string& target, struct stat& st, bool& exists) {
  if (!FollowLinks(path, target)) return false;
  if (::lstat(target.c_str(), &st) != 0) {
    // Missing: a new file, unless a link dangles.
    if (errno != ENOENT || target != path) return false;
    exists = false;
    return true;
  }
  if (!S_ISREG(st.st_mode)) return false;
  if ((st.st_mode & S_IWUSR) == 0) return false;  // read-only stays read-only, even for root
  // A file this user may not write stays as it is, even where the folder
  // would let a rename replace it.
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
  exists = true;
  return true;
}

// Rewrites an existing file through its own inode, for when a new file could
// not be given the old owner or group. The content goes first and the length
// after, so a run killed in between leaves the whole new text followed by old
// bytes past its last line break; the score and settings readers take only
// their leading lines and never reach them.
bool RewriteInPlace(const std::string& target, const struct stat& checked,
                    const std::string& content, bool durable) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  bool ok = ::fstat(fd, &st) == 0 && st.st_dev == checked.st_dev && st.st_ino == checked.st_ino;
  ok = ok && WriteAll(fd, content);
  ok = ok && ::ftruncate(fd, static_cast<off_t>(content.size())) == 0;
  ok = ok && (!durable || ::fsync(fd) == 0);
  return ::close(fd) == 0 && ok;
}

}  // namespace

bool FollowLinks(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops <= kMaxLinkHops; ++hops) {
    struct stat lst;
    if (::lstat(target.c_str(), &lst) != 0 || !S_ISLNK(lst.st_mode)) return true;
    if (hops == kMaxLinkHops) break;
    const std::string dir = FolderOf(target);
    char link[PATH_MAX];
    const ssize_t n = ::readlink(target.c_str(), link, sizeof link);
    if (n <= 0 || n == static_cast<ssize_t>(sizeof link)) return false;
    const std::string to(link, static_cast<std::size_t>(n));
    const std::string next = to[0] == '/' ? to : dir + to;
    if (lst.st_uid != ::geteuid()) {
      // Someone else's link: followed only in a folder of theirs, and only to
      // something of theirs, so that it never lends this user's rights (root
      // playing in a player's folder) to a file its owner could not write.
      struct stat folder;
      struct stat linkedTo;
      if (::stat(dir.empty() ? "." : dir.c_str(), &folder) != 0) return false;
      if (folder.st_uid != lst.st_uid) return false;
      if (::lstat(next.c_str(), &linkedTo) != 0 || linkedTo.st_uid != lst.st_uid) return false;
    }
    target = next;
  }
  return false;
}

FileLock::FileLock(const std::string& path) {
  std::string target;
  if (!FollowLinks(path, target)) return;
  lockPath_ = HiddenBeside(target, ".lock");
  const auto deadline = std::chrono::steady_clock::now() + kLockWait;
  for (;;) {
    const int fd = ::open(lockPath_.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return;
    bool locked = false;
    for (;;) {
      locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
      if (locked || (errno != EWOULDBLOCK && errno != EINTR)) break;
      if (std::chrono::steady_clock::now() >= deadline) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (!locked) {
      ::close(fd);
      return;
    }
    // The holder before us removes the file as it lets go: our lock counts
    // only while the name still leads to the file we locked.
    struct stat held;
    struct stat named;
    if (::fstat(fd, &held) == 0 && ::lstat(lockPath_.c_str(), &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
      // Openable by whoever shares the folder, whatever our umask.
      if (held.st_uid == ::geteuid() && (held.st_mode & 07777) != 0644) ::fchmod(fd, 0644);
      fd_ = fd;
      return;
    }
    ::close(fd);
    if (std::chrono::steady_clock::now() >= deadline) return;
  }
}

FileLock::~FileLock() {
  if (fd_ < 0) return;
  ::unlink(lockPath_.c_str());
  ::close(fd_);
}

bool ReplaceFileAtomically(const std::string& path, const std::string& content,
                           const FileLock* lock, bool durable) {
  if (lock == nullptr) {
    const FileLock own(path);
    return ReplaceFileAtomically(path, content, &own, durable);
  }
  std::string target;
  struct stat st {};
  bool exists = false;
  if (!ResolveTarget(path, target, st, exists)) return false;

  const std::string dir = FolderOf(target);
  std::string temp;
  int fd = -1;
  if (lock->Held()) {
    // One name for every run: a file left by a killed run is cleared here.
    temp = HiddenBeside(target, ".tmp");
    ::unlink(temp.c_str());
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  } else {
    std::string pattern = HiddenBeside(target, ".XXXXXX");
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd = ::mkstemp(name.data());
    temp = name.data();
  }
  if (fd < 0) return false;

  bool ok = WriteAll(fd, content);
  if (ok && exists) {
    if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
      if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
        // A new file would change hands (a group's shared file written by
        // one member): write the old one instead.
        ::close(fd);
        ::unlink(temp.c_str());
        return RewriteInPlace(target, st, content, durable);
      }
    }
    ok = ::fchmod(fd, st.st_mode & 07777) == 0;
  } else if (ok) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    // Whatever the umask, the owner can read and rewrite what the game made.
    ok = ::fchmod(fd, (0666 & ~mask) | 0600) == 0;
  }
  ok = ok && (!durable || ::fsync(fd) == 0);
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  if (durable) {
    // Make the rename itself durable.
    const int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
      ::fsync(dfd);
      ::close(dfd);
    }
  }
  return true;
}

}  // namespace brelvox
