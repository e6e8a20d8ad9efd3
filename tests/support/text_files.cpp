// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/text_files.h"

namespace brelvox {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t p = 0;
  while (p < text.size()) {
    std::size_t start = p;
    while (p < text.size() && text[p] != '\r' && text[p] != '\n') ++p;
    lines.emplace_back(text.substr(start, p - start));
    if (p < text.size() && text[p] == '\r') ++p;
    if (p < text.size() && text[p] == '\n') ++p;
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadLeadingLines(const std::string& path,
                                                         std::size_t maxLines, bool stopAtNul) {
  LeadingLines read = ReadLeadingLinesOf(path, maxLines, stopAtNul);
  if (read.status != FileRead::Read) return std::nullopt;
  return std::move(read.lines);
}

}  // namespace brelvox
