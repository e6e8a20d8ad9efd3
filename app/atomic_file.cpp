// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace brelvox {
namespace {

constexpr int kTempNames = 8;
constexpr auto kPathLockWait = std::chrono::milliseconds(250);

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

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether a lock file found in the folder may be trusted: made by a game of
// this user, of root, or of whoever owns the folder or the file it guards;
// never a second name of some other file.
bool LockFileFits(const struct stat& lock, int folder, const std::string& guarded) {
  if (!S_ISREG(lock.st_mode) || lock.st_nlink > 1) return false;
  if (lock.st_uid == ::geteuid() || lock.st_uid == 0) return true;
  struct stat st;
  if (::fstat(folder, &st) == 0 && st.st_uid == lock.st_uid) return true;
  return ::fstatat(folder, guarded.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
         st.st_uid == lock.st_uid;
}

// Takes the lock on `fd`, trying until `deadline`.
bool LockUntil(int fd, std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

// The name of the file the written text goes to first, then renamed.
std::string TempName(const std::string& name, int index) {
  std::string temp = "." + name + ".tmp";
  if (index > 0) temp += std::to_string(index);
  return temp;
}

// Clears what killed runs left under the temporary names, and makes the new
// file under the first name that is free then. Holding the lock, no other
// game is writing under any of them.
UniqueFd MakeTempFile(int dir, const std::string& name, std::string& temp) {
  UniqueFd fd;
  for (int i = 0; i < kTempNames; ++i) {
    const std::string candidate = TempName(name, i);
    ::unlinkat(dir, candidate.c_str(), 0);
    if (fd.valid()) continue;
    fd = UniqueFd(::openat(dir, candidate.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.valid()) temp = candidate;
  }
  return fd;
}

// The file to replace, if it may be: `exists` tells a new file from an old one.
bool CheckTarget(int dir, const std::string& name, struct stat& st, bool& exists) {
  if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    exists = false;
    return errno == ENOENT;
  }
  if (!S_ISREG(st.st_mode)) return false;
  if ((st.st_mode & S_IWUSR) == 0) return false;  // read-only stays read-only, even for root
  // A file this user may not write stays as it is, even where the folder
  // would let a rename replace it.
  if (::faccessat(dir, name.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0) return false;
  exists = true;
  return true;
}

// Rewrites an existing file through its own inode, for when a new file could
// not be given the old owner or group. The content goes first and the length
// after, so a run killed in between leaves the whole new text followed by old
// bytes past its last line break; the score and settings readers take only
// their leading lines and never reach them.
bool RewriteInPlace(int dir, const std::string& name, const struct stat& checked,
                    const std::string& content, bool durable) {
  const UniqueFd fd(::openat(dir, name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!fd.valid()) return false;
  struct stat st;
  bool ok = ::fstat(fd.get(), &st) == 0 && SameFile(st, checked);
  ok = ok && WriteAll(fd.get(), content);
  ok = ok && ::ftruncate(fd.get(), static_cast<off_t>(content.size())) == 0;
  return ok && (!durable || ::fsync(fd.get()) == 0);
}

// Gives the new file the old one's owner, group and mode, or a new file's.
enum class Ownership { Given, NeedsRewrite, Failed };
Ownership TakeOver(int fd, bool exists, const struct stat& st) {
  if (!exists) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    // Whatever the umask, the owner can read and rewrite what the game made.
    return ::fchmod(fd, (0666 & ~mask) | 0600) == 0 ? Ownership::Given : Ownership::Failed;
  }
  if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
      ::fchown(fd, st.st_uid, st.st_gid) != 0) {
    // A new file would change hands (a group's shared file written by one
    // member): the old one is written instead.
    return Ownership::NeedsRewrite;
  }
  return ::fchmod(fd, st.st_mode & 07777) == 0 ? Ownership::Given : Ownership::Failed;
}

}  // namespace

FileLock::FileLock(const FilePlace& place, std::chrono::milliseconds wait) {
  if (place.kind != PlaceKind::Present && place.kind != PlaceKind::Missing) return;
  folder_ = UniqueFd(::fcntl(place.folder.get(), F_DUPFD_CLOEXEC, 0));
  if (!folder_.valid()) return;
  name_ = "." + place.name + ".lock";
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    // Not blocking: a named pipe put here must not hang the game.
    UniqueFd fd(::openat(folder_.get(), name_.c_str(),
                         O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644));
    struct stat held;
    if (!fd.valid() || ::fstat(fd.get(), &held) != 0 ||
        !LockFileFits(held, folder_.get(), place.name) || !LockUntil(fd.get(), deadline)) {
      return;
    }
    // The holder before us removes the file as it lets go: our lock counts
    // only while the name still leads to the file we locked.
    struct stat named;
    if (::fstatat(folder_.get(), name_.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        SameFile(held, named)) {
      // Openable by whoever shares the folder, whatever our umask.
      if (held.st_uid == ::geteuid() && (held.st_mode & 07777) != 0644) ::fchmod(fd.get(), 0644);
      fd_ = std::move(fd);
      return;
    }
    if (std::chrono::steady_clock::now() >= deadline) return;
  }
}

FileLock::~FileLock() {
  if (fd_.valid()) ::unlinkat(folder_.get(), name_.c_str(), 0);
}

bool ReplaceFile(const FilePlace& place, const std::string& content, const FileLock& lock,
                 bool durable) {
  if (!lock.Held()) return false;
  const int dir = place.folder.get();
  struct stat st {};
  bool exists = false;
  if (!CheckTarget(dir, place.name, st, exists)) return false;

  std::string temp;
  UniqueFd fd = MakeTempFile(dir, place.name, temp);
  if (!fd.valid()) return false;
  bool ok = WriteAll(fd.get(), content);
  if (ok) {
    const Ownership owner = TakeOver(fd.get(), exists, st);
    if (owner == Ownership::NeedsRewrite) {
      fd = UniqueFd();
      ::unlinkat(dir, temp.c_str(), 0);
      return RewriteInPlace(dir, place.name, st, content, durable);
    }
    ok = owner == Ownership::Given;
  }
  ok = ok && (!durable || ::fsync(fd.get()) == 0);
  ok = ::close(fd.Release()) == 0 && ok;
  ok = ok && ::renameat(dir, temp.c_str(), dir, place.name.c_str()) == 0;
  if (!ok) {
    ::unlinkat(dir, temp.c_str(), 0);
    return false;
  }
  if (durable) {
    // Make the rename itself durable.
    const UniqueFd sync(::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (sync.valid()) ::fsync(sync.get());
  }
  return true;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& content) {
  const FilePlace place = FindFile(path);
  const FileLock lock(place, kPathLockWait);
  return ReplaceFile(place, content, lock);
}

}  // namespace brelvox
