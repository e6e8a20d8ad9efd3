// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_file.h"

#include <algorithm>

#include "app/atomic_file.h"
#include "app/text_lines.h"

namespace brelvox {

std::optional<std::array<std::int32_t, kLevelCount>> ParseDisplaySizes(
    const std::vector<std::string>& lines) {
  if (lines.size() < 5) return std::nullopt;
  std::array<std::int32_t, kLevelCount> sizes{};
  for (int i = 0; i < kLevelCount; ++i) {
    const auto value = ParseInt32(lines[i + 1]);
    if (!value) return std::nullopt;
    // A hand-edited size outside the buttons' range is brought into it, so no
    // cell is ever zero or negative in size.
    sizes[i] = std::clamp(*value, MinCellSize, MaxCellSize);
  }
  return sizes;
}

namespace {

constexpr auto kCloseLockWait = std::chrono::milliseconds(250);

// The sizes in the file, or nothing when it is missing, unreadable or does
// not parse (a size line too long to hold does not parse).
std::optional<std::array<std::int32_t, kLevelCount>> LoadDisplaySizes(const FilePlace& place,
                                                                      FileRead& status) {
  const LeadingLines read = ReadLeadingLinesOf(place, 5, false);
  status = read.status;
  if (read.status != FileRead::Read) return std::nullopt;
  for (std::size_t i = 1; i < read.cut.size(); ++i) {
    if (read.cut[i]) return std::nullopt;
  }
  return ParseDisplaySizes(read.lines);
}

}  // namespace

std::array<std::int32_t, kLevelCount> ReadDisplaySizes(const std::string& path) {
  FileRead status;
  return LoadDisplaySizes(FindFile(path), status).value_or(DefaultCellSizes);
}

std::string FormatDisplaySizes(const std::array<std::int32_t, kLevelCount>& sizes) {
  std::vector<std::string> lines;
  lines.emplace_back("Brelvox startup display sizes:");
  for (std::int32_t size : sizes) lines.push_back(std::to_string(size));
  lines.emplace_back("Delete this file to return to factory settings.");
  return JoinLinesCrLf(lines);
}

void WriteDisplaySizes(const std::string& path, const std::array<std::int32_t, kLevelCount>& sizes,
                       const std::array<bool, kLevelCount>& changed, bool durable) {
  const FilePlace place = FindFile(path);
  const FileLock lock(place, durable ? kCloseLockWait : std::chrono::milliseconds(0));
  if (!lock.Held()) return;
  FileRead status;
  const auto now = LoadDisplaySizes(place, status);
  if (status == FileRead::Unreadable) return;
  std::array<std::int32_t, kLevelCount> merged = sizes;
  if (now) {
    for (int level = 0; level < kLevelCount; ++level) {
      if (!changed[level]) merged[level] = (*now)[level];
    }
  }
  ReplaceFile(place, FormatDisplaySizes(merged), lock, durable);
}

}  // namespace brelvox
