// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a cue plays: the exact name, or else a regular file whose name
// matches ignoring the case of ASCII letters (the smallest such name, so the
// same folder always gives the same file).
#pragma once

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
class WaveFileFinder {
 public:
  explicit WaveFileFinder(std::filesystem::path directory);

  std::optional<std::filesystem::path> Find(const char* name);

  // How many times the folder was listed.
  int Listings() const { return listings_; }

 private:
  struct Stamp {
    std::uint64_t device = 0, inode = 0;
    std::int64_t modified = 0, changed = 0;  // nanoseconds
    bool operator==(const Stamp&) const = default;
  };
  void List(const std::string& folded);

  std::filesystem::path directory_;
  std::optional<Stamp> listed_;  // the folder as it was listed, if it can be trusted
  // Each name looked up (letters folded) with the entries that match it, sorted.
  std::map<std::string, std::vector<std::string>> matches_;
  int listings_ = 0;
};

}  // namespace brelvox
