// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the game's small text files: line splitting and number conversion.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_place.h"

namespace brelvox {

// Leading spaces, an optional sign, then decimal digits or "$" and hex digits;
// the value must fit a signed 32-bit integer. Nothing else is accepted.
std::optional<std::int32_t> ParseInt32(std::string_view text);

// Joins lines, each ending in CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Lines longer than this are cut to it; the rest of such a line is skipped.
inline constexpr std::size_t kMaxLineLength = std::size_t{64} << 10;

enum class FileRead { Read, Missing, Unreadable };

struct LeadingLines {
  // Missing: no file (or a dangling link). Unreadable: something is there but
  // could not be read (no permission, an I/O error, no regular file, a link
  // FindFile will not follow).
  FileRead status = FileRead::Missing;
  std::vector<std::string> lines;
  std::vector<bool>
      cut;  // per line: longer than kMaxLineLength, or cut short by the end of reading
};

// The first `maxLines` lines of a regular file: a line ends at CR, at LF or at
// CR LF, a break at the very end starts no other line, and bytes pass through
// unchanged. With `stopAtNul` the text ends at the first NUL byte. Reading
// stops after `maxLines` lines of kMaxLineLength and their breaks, as much as
// the lines kept can hold: the text ends there, and a line it ends in counts
// as cut. So memory and time stay bounded whatever the file's size.
LeadingLines ReadLeadingLinesOf(const FilePlace& place, std::size_t maxLines, bool stopAtNul);
LeadingLines ReadLeadingLinesOf(const std::string& path, std::size_t maxLines, bool stopAtNul);

}  // namespace brelvox
