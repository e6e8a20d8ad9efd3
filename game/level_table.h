// SPDX-License-Identifier: GPL-3.0-or-later
// The four levels: board size, mines and the hint allowance.
#pragma once

#include <cstdint>

namespace brelvox {

inline constexpr int kLevelCount = 4;

struct LevelTable {
  static constexpr std::uint8_t Columns[kLevelCount] = {8, 24, 30, 30};
  static constexpr std::uint8_t Rows[kLevelCount] = {8, 16, 16, 24};
  static constexpr std::uint8_t Mines[kLevelCount] = {12, 55, 88, 170};
  static constexpr std::int8_t Hints[kLevelCount] = {4, 3, 1, 1};
};

}  // namespace brelvox
