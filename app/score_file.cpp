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

ScoreFileRead LoadScoreFile(const FilePlace& place) {
  const LeadingLines read = ReadLeadingLinesOf(place, kScoreFileLines, true);
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

ScoreFileRead LoadScoreFile(const std::string& path) {
  return LoadScoreFile(FindFile(path));
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

namespace {

constexpr auto kScoreLockWait = std::chrono::milliseconds(250);

ScoreTable WithEntries(ScoreTable table, const std::vector<ScoreEntry>& entries) {
  for (const ScoreEntry& entry : entries) {
    if (table.Qualifies(entry.level, entry.seconds)) {
      table.Insert(entry.level, entry.seconds, entry.name);
    }
  }
  return table;
}

// Whether the file holds exactly `text` as a score table.
bool FileHolds(const FilePlace& place, const std::string& text) {
  const ScoreFileRead now = LoadScoreFile(place);
  return now.status == FileRead::Read && FormatScoreFile(now.table) == text;
}

}  // namespace

void RefreshScores(const std::string& path, const std::vector<ScoreEntry>& unsaved,
                   ScoreTable& shown) {
  const ScoreFileRead now = LoadScoreFile(path);
  if (now.status != FileRead::Unreadable) shown = WithEntries(now.table, unsaved);
}

bool RecordScores(const std::string& path, std::vector<ScoreEntry>& unsaved, ScoreTable& shown) {
  const FilePlace place = FindFile(path);
  const FileLock lock(place, kScoreLockWait);
  if (!lock.Held()) return false;
  const ScoreFileRead now = LoadScoreFile(place);
  if (now.status == FileRead::Unreadable) return false;
  shown = WithEntries(now.table, unsaved);
  const std::string text = FormatScoreFile(shown);
  // A write can report a failure after its text landed (a fsync's error on a
  // network disk): what is in the file is saved, and must not go in twice.
  if (!ReplaceFile(place, text, lock) && !FileHolds(place, text)) return false;
  unsaved.clear();
  return true;
}

}  // namespace brelvox
