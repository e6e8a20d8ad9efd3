#include "app/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace brelvox {
namespace {

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

// The file that really gets replaced: the target of a link, or the path itself.
bool ResolveTarget(const std::string& path, std::string& target, mode_t& mode, uid_t& owner,
                   gid_t& group, bool& exists) {
  struct stat lst;
  if (::lstat(path.c_str(), &lst) != 0) {
    if (errno != ENOENT) return false;
    target = path;
    exists = false;
    mode = 0666;
    return true;
  }
  target = path;
  if (S_ISLNK(lst.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return false;  // dangling or looping
    target = resolved;
  }
  struct stat st;
  if (::stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if ((st.st_mode & S_IWUSR) == 0) return false;  // read-only stays read-only, even for root
  // A file this user may not write stays as it is, even where the folder
  // would let a rename replace it.
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
  exists = true;
  mode = st.st_mode & 07777;
  owner = st.st_uid;
  group = st.st_gid;
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& content) {
  std::string target;
  mode_t mode = 0;
  uid_t owner = 0;
  gid_t group = 0;
  bool exists = false;
  if (!ResolveTarget(path, target, mode, owner, group, exists)) return false;

  const std::size_t slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string temp = dir + "." + base + ".XXXXXX";
  std::vector<char> name(temp.begin(), temp.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  temp = name.data();

  bool ok = WriteAll(fd, content);
  if (ok) {
    if (exists) {
      // Keep the owner too where this user may (root playing in a player's
      // folder must not take the file away from the player).
      if (owner != ::geteuid() || group != ::getegid()) {
        [[maybe_unused]] const int kept = ::fchown(fd, owner, group);
      }
      ok = ::fchmod(fd, mode) == 0;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      ok = ::fchmod(fd, 0666 & ~mask) == 0;
    }
  }
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  const int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

}  // namespace brelvox
