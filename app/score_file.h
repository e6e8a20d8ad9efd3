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
ScoreFileRead LoadScoreFile(const FilePlace& place);
ScoreFileRead LoadScoreFile(const std::string& path);
ScoreTable ReadScoreFile(const std::string& path);

std::string FormatScoreFile(const ScoreTable& table);

struct ScoreEntry {
  int level;
  std::int32_t seconds;
  std::string name;
};

// `shown` becomes the file's table as it is now with this run's entries that
// are not in the file yet (`unsaved`, oldest first) put in where they still
// qualify: the table to judge a new time by when other games share the file.
// A file that cannot be read leaves `shown` as it is.
void RefreshScores(const std::string& path, const std::vector<ScoreEntry>& unsaved,
                   ScoreTable& shown);

// Records `unsaved` in the file as it is now, under the file's lock, so that
// games running side by side keep each other's entries: each entry goes into
// the file's table where it still qualifies, and the result is written and
// becomes `shown`. Nothing is written without the lock, which is waited for
// a fraction of a second at most; a file that exists but cannot be read is
// never replaced. Where the new table reached the file, even when a step
// after writing it reported an error, `unsaved` is emptied and true returned.
// Otherwise `unsaved` is kept for the next try, `shown` keeps the table in
// memory (the caller put the newest entry in it), and false is returned.
bool RecordScores(const std::string& path, std::vector<ScoreEntry>& unsaved, ScoreTable& shown);

}  // namespace brelvox
