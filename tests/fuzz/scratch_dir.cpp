// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratch_dir.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fuzz {
namespace {

std::string CreateDir() {
  // fsync costs nothing on a memory file system, and every session writes.
  // run_fuzzers.sh names a folder of its own, which it removes even after a
  // crash.
  const char* chosen = std::getenv("BRELVOX_FUZZ_SCRATCH");
  std::string base = chosen != nullptr && *chosen != '\0' ? chosen : "/dev/shm";
  if (::access(base.c_str(), W_OK) != 0) base = std::filesystem::temp_directory_path().string();
  std::string pattern = base + "/brelvox-fuzz-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::abort();
  }
  return pattern;
}

void RemoveDir() {
  std::error_code ec;
  std::filesystem::remove_all(ScratchDir(), ec);
}

}  // namespace

const std::string& ScratchDir() {
  // Never destroyed, so that it outlives the exit handler that removes it.
  static const std::string* const dir = [] {
    const std::string* made = new std::string(CreateDir());
    std::atexit(RemoveDir);
    return made;
  }();
  return *dir;
}

std::string ScratchFile(const char* name, std::string_view content) {
  const std::string path = ScratchDir() + "/" + name;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr || std::fwrite(content.data(), 1, content.size(), file) != content.size() ||
      std::fclose(file) != 0) {
    std::perror(path.c_str());
    std::abort();
  }
  return path;
}

}  // namespace fuzz
