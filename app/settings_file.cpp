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

std::array<std::int32_t, kLevelCount> ReadDisplaySizes(const std::string& path) {
  const auto lines = ReadLeadingLines(path, 5, false);
  if (!lines) return DefaultCellSizes;
  return ParseDisplaySizes(*lines).value_or(DefaultCellSizes);
}

std::string FormatDisplaySizes(const std::array<std::int32_t, kLevelCount>& sizes) {
  std::vector<std::string> lines;
  lines.emplace_back("Brelvox startup display sizes:");
  for (std::int32_t size : sizes) lines.push_back(std::to_string(size));
  lines.emplace_back("Delete this file to return to factory settings.");
  return JoinLinesCrLf(lines);
}

void WriteDisplaySizes(const std::string& path,
                       const std::array<std::int32_t, kLevelCount>& sizes) {
  ReplaceFileAtomically(path, FormatDisplaySizes(sizes));
}

}  // namespace brelvox
