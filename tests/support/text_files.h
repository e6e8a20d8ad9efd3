// SPDX-License-Identifier: GPL-3.0-or-later
// Shortcuts the tests and fuzzers use around the game's file reader.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/text_lines.h"

namespace brelvox {

// Splits text into lines as the file reader does: a line ends at CR, at LF or
// at CR LF; a break at the very end does not start another line.
std::vector<std::string> SplitLines(std::string_view text);

// The reader's lines, or nothing when the file was not read.
std::optional<std::vector<std::string>> ReadLeadingLines(const std::string& path,
                                                         std::size_t maxLines, bool stopAtNul);

}  // namespace brelvox
