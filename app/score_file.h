// SPDX-License-Identifier: GPL-3.0-or-later
// "Brelvox.hi": the score table as 40 lines, a name and a time per entry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/score_table.h"
#include "app/text_lines.h"

namespace brelvox {

inline constexpr const char* kScoreFileName = "Brelvox.hi";
inline constexpr const char* kScoreWriteError = "Can't write to file Brelvox.hi!";
inline constexpr int kScoreFileLines = 40;

// The table from the file's lines, or nothing when any entry is missing or bad:
// a partly valid file never mixes with the defaults.
std::optional<ScoreTable> ParseScoreLines(const std::vector<std::string>& lines);

struct ScoreFileRead {
  // Read also covers content that does not parse (the table is then the
  // defaults); Unreadable also covers a time line too long to hold. A name
  // line too long is cut and the rest of the table read as usual.
  FileRead status = FileRead::Missing;
  ScoreTable table;
};
ScoreFileRead LoadScoreFile(const std::string& path);
ScoreTable ReadScoreFile(const std::string& path);

std::string FormatScoreFile(const ScoreTable& table);

struct ScoreEntry {
  int level;
  std::int32_t seconds;
  std::string name;
};

// Records this run's entries that are not in the file yet (`unsaved`, oldest
// first) in the file as it is now, under the file's lock, so that games
// running side by side keep each other's entries. Each entry goes into the
// file's table where it still qualifies, and the result is written. `shown`
// becomes that merged table. A file that exists but cannot be read is never
// replaced: then `shown` gets only the newest entry added (it holds the older
// ones already). On success `unsaved` is emptied; on failure it is kept for
// the next score and false is returned.
bool RecordScores(const std::string& path, std::vector<ScoreEntry>& unsaved, ScoreTable& shown);

}  // namespace brelvox
