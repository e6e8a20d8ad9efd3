// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wave_file_finder.h"

#include <sys/stat.h>

#include <algorithm>
#include <system_error>

namespace brelvox {
namespace {

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

std::string FoldAsciiCase(std::string text) {
  for (char& ch : text) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return text;
}

std::int64_t Nanoseconds(const timespec& t) {
  return t.tv_sec * std::int64_t{1000000000} + t.tv_nsec;
}

}  // namespace

WaveFileFinder::WaveFileFinder(std::filesystem::path directory)
    : directory_(std::move(directory)) {}

std::optional<std::filesystem::path> WaveFileFinder::Find(const char* name) {
  const std::filesystem::path exact = directory_ / name;
  if (IsRegularFile(exact)) return exact;
  const std::string folded = FoldAsciiCase(name);
  const std::filesystem::path where = directory_.empty() ? "." : directory_;
  struct stat st;
  std::optional<Stamp> now;
  if (::stat(where.c_str(), &st) == 0) {
    now = Stamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                Nanoseconds(st.st_mtim), Nanoseconds(st.st_ctim)};
  }
  const Clock::time_point lookup = Clock::now();
  if (now != seen_) {
    seen_ = now;
    seenSince_ = lookup;
  }
  const bool settled = lookup - seenSince_ >= kFileClockTick;
  if (!now || listed_ != now || !matches_.count(folded) || (!trusted_ && settled)) {
    List(folded);
    listed_ = now;
    trusted_ = settled;
  }
  // The entries may have changed since (a link's target went): each is checked.
  for (const std::string& entry : matches_[folded]) {
    if (IsRegularFile(directory_ / entry)) return directory_ / entry;
  }
  return std::nullopt;
}

void WaveFileFinder::List(const std::string& folded) {
  matches_[folded];
  for (auto& [name, entries] : matches_) entries.clear();
  std::error_code ec;
  const std::filesystem::path where = directory_.empty() ? "." : directory_;
  std::filesystem::directory_iterator it(where, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::string entry = it->path().filename().string();
    const auto match = matches_.find(FoldAsciiCase(entry));
    if (match != matches_.end()) match->second.push_back(std::move(entry));
  }
  for (auto& [name, entries] : matches_) std::sort(entries.begin(), entries.end());
}

}  // namespace brelvox
