// Reading the game's small text files: line splitting and number conversion.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brelvox {

// Splits text into lines: a line ends at CR, at LF or at CR LF. A break at the
// very end does not start another line. Bytes pass through unchanged.
std::vector<std::string> SplitLines(std::string_view text);

// Leading spaces, an optional sign, then decimal digits or "$" and hex digits;
// the value must fit a signed 32-bit integer. Nothing else is accepted.
std::optional<std::int32_t> ParseInt32(std::string_view text);

// Joins lines, each ending in CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// The first `maxLines` lines of a regular file, split as SplitLines does, or
// nothing if it is not a regular file or cannot be read. With `stopAtNul` the
// text ends at the first NUL byte. Only what is needed is kept in memory.
std::optional<std::vector<std::string>> ReadLeadingLines(const std::string& path,
                                                         std::size_t maxLines, bool stopAtNul);

}  // namespace brelvox
