// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded ahead of the C library by a fault test: the first fsync of a regular
// file does its work and then reports EIO, as a network file system can when
// the data did land.
#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>

extern "C" int fsync(int fd) {  // NOLINT(readability-identifier-naming): the C library's name
  using Fsync = int (*)(int);
  static const auto real = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
  static bool failed = false;
  const int result = real(fd);
  struct stat st;
  if (result != 0 || failed || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return result;
  failed = true;
  errno = EIO;
  return -1;
}
