// SPDX-License-Identifier: GPL-3.0-or-later
// "Brelvox.ini": the display size of each level, read at start-up and
// written at every size change and at every close.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/level_table.h"

namespace brelvox {

inline constexpr const char* kSettingsFileName = "Brelvox.ini";
inline constexpr std::array<std::int32_t, kLevelCount> DefaultCellSizes = {64, 31, 25, 21};
inline constexpr int MinCellSize = 18;
inline constexpr int MaxCellSize = 75;

// The four sizes from the file's lines 2 to 5, clamped into 18..75, or nothing
// when the file is short or a value does not convert.
std::optional<std::array<std::int32_t, kLevelCount>> ParseDisplaySizes(
    const std::vector<std::string>& lines);

std::array<std::int32_t, kLevelCount> ReadDisplaySizes(const std::string& path);
std::string FormatDisplaySizes(const std::array<std::int32_t, kLevelCount>& sizes);
// Writes `sizes` under the file's lock. Games running side by side keep each
// other's changes: the levels not in `changed` take the file's current values
// where it reads (in a single run those are the values written or read
// before). A file that exists but cannot be read is left alone. `durable`
// (the close) waits for the disk, and a fraction of a second at most for the
// lock; a write that is not durable (a size change) does not wait for the
// lock at all and leaves the sizes to the close when another game holds it.
// Nothing is written without the lock. A failure is silent: the program goes
// on as usual.
void WriteDisplaySizes(const std::string& path, const std::array<std::int32_t, kLevelCount>& sizes,
                       const std::array<bool, kLevelCount>& changed, bool durable = true);

}  // namespace brelvox
