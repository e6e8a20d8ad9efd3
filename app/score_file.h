// "Brelvox.hi": the score table as 40 lines, a name and a time per entry.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/score_table.h"

namespace brelvox {

inline constexpr const char* kScoreFileName = "Brelvox.hi";
inline constexpr const char* kScoreWriteError = "Can't write to file Brelvox.hi!";
inline constexpr int kScoreFileLines = 40;

// The table from the file's lines, or nothing when any entry is missing or bad:
// a partly valid file never mixes with the defaults.
std::optional<ScoreTable> ParseScoreLines(const std::vector<std::string>& lines);
ScoreTable ReadScoreFile(const std::string& path);
std::string FormatScoreFile(const ScoreTable& table);
bool WriteScoreFile(const std::string& path, const ScoreTable& table);

}  // namespace brelvox
