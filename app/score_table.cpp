// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/score_table.h"

namespace brelvox {

void ScoreTable::SetDefaults() {
  for (int level = 0; level < kLevelCount; ++level) {
    times[level].fill(kDefaultScoreTime);
    names[level].fill(kDefaultScoreName);
  }
}

bool ScoreTable::Qualifies(int level, std::int32_t seconds) const {
  return seconds < times[level][kRanks - 1];
}

int ScoreTable::Insert(int level, std::int32_t seconds, const std::string& name) {
  // The first position whose time is strictly greater: equal times go below.
  int rank = kRanks;
  for (int i = kRanks - 1; i >= 1; --i) {
    if (times[level][i - 1] > seconds) rank = i;
  }
  for (int i = kRanks; i > rank; --i) {
    times[level][i - 1] = times[level][i - 2];
    names[level][i - 1] = names[level][i - 2];
  }
  times[level][rank - 1] = static_cast<std::uint16_t>(seconds);
  names[level][rank - 1] = name;
  return rank;
}

std::string ScoreTable::Heading(int level) {
  static const char* const kHeadings[kLevelCount] = {"Easy", "Standard", "Difficult", "Hard"};
  return kHeadings[level];
}

std::string ScoreTable::CellText(int level, int rank) const {
  const unsigned time = times[level][rank - 1];
  return std::to_string(time / 60) + ":" + std::to_string(time % 60) + " by " +
         names[level][rank - 1];
}

std::string CleanName(const std::string& typed) {
  std::string name;
  std::size_t codePoints = 0;
  std::size_t i = 0;
  while (i < typed.size() && codePoints < kMaxNameLength) {
    const unsigned char lead = static_cast<unsigned char>(typed[i]);
    // Length of a well-formed UTF-8 sequence; any other byte stands alone.
    std::size_t len = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
      len = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      len = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      len = 4;
    }
    if (len > 1) {
      bool wellFormed = i + len <= typed.size();
      for (std::size_t k = 1; wellFormed && k < len; ++k) {
        wellFormed = (static_cast<unsigned char>(typed[i + k]) & 0xC0) == 0x80;
      }
      if (wellFormed) {
        const unsigned char second = static_cast<unsigned char>(typed[i + 1]);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
          wellFormed = false;
        }
      }
      if (!wellFormed) len = 1;
    }
    if (len == 1 && (lead == '\r' || lead == '\n' || lead == '\0')) {
      ++i;
      continue;
    }
    name.append(typed, i, len);
    i += len;
    ++codePoints;
  }
  return name;
}

}  // namespace brelvox
