#include "app/score_file.h"

#include "app/atomic_file.h"
#include "app/text_lines.h"

namespace brelvox {

std::optional<ScoreTable> ParseScoreLines(const std::vector<std::string>& lines) {
  if (lines.size() < kScoreFileLines) return std::nullopt;
  ScoreTable table;
  for (int level = 0; level < kLevelCount; ++level) {
    for (int rank = 1; rank <= kRanks; ++rank) {
      const std::size_t line = 10 * level + 2 * (rank - 1);
      const auto time = ParseInt32(lines[line + 1]);
      if (!time) return std::nullopt;
      table.names[level][rank - 1] = lines[line];
      table.times[level][rank - 1] = static_cast<std::uint16_t>(*time);  // low 16 bits
    }
  }
  return table;
}

ScoreTable ReadScoreFile(const std::string& path) {
  const auto lines = ReadLeadingLines(path, kScoreFileLines, true);
  if (!lines) return ScoreTable();
  return ParseScoreLines(*lines).value_or(ScoreTable());
}

std::string FormatScoreFile(const ScoreTable& table) {
  std::vector<std::string> lines;
  for (int level = 0; level < kLevelCount; ++level) {
    for (int rank = 0; rank < kRanks; ++rank) {
      lines.push_back(table.names[level][rank]);
      lines.push_back(std::to_string(table.times[level][rank]));
    }
  }
  return JoinLinesCrLf(lines);
}

bool WriteScoreFile(const std::string& path, const ScoreTable& table) {
  return ReplaceFileAtomically(path, FormatScoreFile(table));
}

}  // namespace brelvox
