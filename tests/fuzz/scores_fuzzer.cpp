// SPDX-License-Identifier: GPL-3.0-or-later
// The score-file reader on arbitrary bytes. The text ends at the first NUL; a
// table that reads, and any table with names the prompt could give, survives
// a write and a read unchanged; the file reader agrees with the splitter.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/score_file.h"
#include "app/text_lines.h"
#include "scratch_dir.h"
#include "tests/support/text_files.h"

namespace {

using brelvox::ScoreTable;

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "scores fuzzer: %s\n", what);
    std::abort();
  }
}

bool Same(const ScoreTable& a, const ScoreTable& b) {
  return a.times == b.times && a.names == b.names;
}

void CheckRoundTrip(const ScoreTable& table) {
  const std::string text = brelvox::FormatScoreFile(table);
  const auto lines = brelvox::SplitLines(text);
  Check(lines.size() == brelvox::kScoreFileLines, "a written file is not 40 lines");
  const auto back = brelvox::ParseScoreLines(lines);
  Check(back.has_value(), "a written file does not read back");
  Check(Same(*back, table), "a written table reads back changed");
}

// Cuts the input into 20 names and times, as typed at the prompt.
ScoreTable TableFromTypedNames(std::string_view bytes) {
  ScoreTable table;
  const std::size_t piece = bytes.size() / 20;
  for (int level = 0; level < brelvox::kLevelCount; ++level) {
    for (int rank = 0; rank < brelvox::kRanks; ++rank) {
      const std::string typed(bytes.substr((level * brelvox::kRanks + rank) * piece, piece));
      const std::string name = brelvox::CleanName(typed);
      Check(brelvox::CleanName(name) == name, "cleaning a clean name changed it");
      table.names[level][rank] = name;
      table.times[level][rank] =
          static_cast<std::uint16_t>(typed.empty() ? 0 : typed.size() * 251 + typed[0]);
    }
  }
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brelvox;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view text = bytes.substr(0, bytes.find('\0'));
  const auto lines = SplitLines(text);
  const auto table = ParseScoreLines(lines);
  if (table) CheckRoundTrip(*table);
  CheckRoundTrip(TableFromTypedNames(bytes));

  // The same bytes as a file on disk, NULs and all.
  const std::string path = fuzz::ScratchFile("Brelvox.hi", bytes);
  const auto leading = ReadLeadingLines(path, kScoreFileLines, true);
  Check(leading.has_value(), "a small regular file was not read");
  const std::size_t kept = std::min<std::size_t>(lines.size(), kScoreFileLines);
  Check(leading->size() == kept && std::equal(leading->begin(), leading->end(), lines.begin()),
        "the file reader splits lines differently");
  Check(Same(ReadScoreFile(path), table.value_or(ScoreTable())),
        "reading the file differs from parsing its text");
  return 0;
}
