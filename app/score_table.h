// SPDX-License-Identifier: GPL-3.0-or-later
// The five best times of each level with the players' names.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/level_table.h"

namespace brelvox {

inline constexpr int kRanks = 5;
inline constexpr std::uint16_t kDefaultScoreTime = 5999;
inline constexpr const char* kDefaultScoreName = "Nobody";
inline constexpr std::size_t kMaxNameLength = 255;  // code points

struct ScoreTable {
  // Index [level][rank - 1].
  std::array<std::array<std::uint16_t, kRanks>, kLevelCount> times{};
  std::array<std::array<std::string, kRanks>, kLevelCount> names{};

  ScoreTable() { SetDefaults(); }
  void SetDefaults();

  bool Qualifies(int level, std::int32_t seconds) const;
  // Inserts below any equal time; returns the rank 1..5.
  int Insert(int level, std::int32_t seconds, const std::string& name);

  // Texts of the high-score grid: row 0 the headings, rows 1..5 the ranks.
  static std::string Heading(int level);
  std::string CellText(int level, int rank) const;
};

// Makes a typed name safe for the line-based file: drops CR, LF and NUL and
// cuts it to 255 code points.
std::string CleanName(const std::string& typed);

}  // namespace brelvox
