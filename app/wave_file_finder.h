// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a cue plays: the exact name, or else a regular file whose name
// matches ignoring the case of ASCII letters (the smallest such name, so the
// same folder always gives the same file).
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brelvox {

// Looks cue files up in one folder. The folder is listed only when a name is
// missing and the folder changed since the last listing (its modification or
// change time, or the folder itself), so a missing cue costs a few stat calls
// a click, not a listing, however many files the folder holds.
//
// The folder's times come from the file system's clock, which need not agree
// with this machine's (a file server's), and two changes within one tick of it
// leave the same times. So they are only ever compared with each other: the
// times a listing saw are trusted once that listing began at least a tick
// (kFileClockTick, on this program's own steady clock) after they were first
// seen; until then the listing serves, and one more follows after that time.
class WaveFileFinder {
 public:
  // Longer than the coarsest file system clock tick in use (two seconds).
  static constexpr std::chrono::milliseconds kFileClockTick{2500};

  explicit WaveFileFinder(std::filesystem::path directory);

  std::optional<std::filesystem::path> Find(const char* name);

 private:
  struct Stamp {
    std::uint64_t device = 0, inode = 0;
    std::int64_t modified = 0, changed = 0;  // nanoseconds
    bool operator==(const Stamp&) const = default;
  };
  void List(const std::string& folded);

  using Clock = std::chrono::steady_clock;

  std::filesystem::path directory_;
  std::optional<Stamp> seen_;    // the folder's times at the last lookup
  Clock::time_point seenSince_;  // when they were first seen
  std::optional<Stamp> listed_;  // the folder as it was last listed
  bool trusted_ = false;         // that listing began a tick after its times were first seen
  // Each name looked up (letters folded) with the entries that match it, sorted.
  std::map<std::string, std::vector<std::string>> matches_;
};

}  // namespace brelvox
