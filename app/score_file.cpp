// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/score_file.h"

#include "app/atomic_file.h"

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

ScoreFileRead LoadScoreFile(const std::string& path) {
  const LeadingLines read = ReadLeadingLinesOf(path, kScoreFileLines, true);
  ScoreFileRead result;
  result.status = read.status;
  if (read.status != FileRead::Read) return result;
  // Time lines are the odd ones: a cut one no longer says what time it held.
  for (std::size_t i = 1; i < read.cut.size(); i += 2) {
    if (read.cut[i]) {
      result.status = FileRead::Unreadable;
      return result;
    }
  }
  result.table = ParseScoreLines(read.lines).value_or(ScoreTable());
  return result;
}

ScoreTable ReadScoreFile(const std::string& path) {
  return LoadScoreFile(path).table;
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

bool RecordScores(const std::string& path, std::vector<ScoreEntry>& unsaved, ScoreTable& shown) {
  const FileLock lock(path);
  ScoreFileRead now = LoadScoreFile(path);
  if (now.status == FileRead::Unreadable) {
    const ScoreEntry& newest = unsaved.back();
    shown.Insert(newest.level, newest.seconds, newest.name);
    return false;
  }
  for (const ScoreEntry& entry : unsaved) {
    if (now.table.Qualifies(entry.level, entry.seconds)) {
      now.table.Insert(entry.level, entry.seconds, entry.name);
    }
  }
  shown = now.table;
  if (!ReplaceFileAtomically(path, FormatScoreFile(shown), &lock)) return false;
  unsaved.clear();
  return true;
}

}  // namespace brelvox
