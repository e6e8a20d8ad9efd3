// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader on arbitrary bytes: the sizes it accepts lie within the
// size buttons' range, what it writes reads back the same, and the file reader
// splits lines exactly as the in-memory splitter does.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "app/settings_file.h"
#include "app/text_lines.h"
#include "scratch_dir.h"
#include "tests/support/text_files.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "settings fuzzer: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brelvox;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto lines = SplitLines(text);
  Check(lines.size() <= size, "more lines than bytes");
  for (const auto& line : lines) {
    Check(line.find_first_of("\r\n") == std::string::npos, "a line holds a break");
  }

  const auto sizes = ParseDisplaySizes(lines);
  if (sizes) {
    for (const std::int32_t value : *sizes) {
      Check(value >= MinCellSize && value <= MaxCellSize, "size outside 18..75");
    }
    Check(ParseDisplaySizes(SplitLines(FormatDisplaySizes(*sizes))) == sizes,
          "accepted sizes do not survive a write and a read");
  }

  // Whatever the program holds, what it writes reads back clamped.
  if (size >= 16) {
    std::array<std::int32_t, brelvox::kLevelCount> raw;
    std::memcpy(raw.data(), data, 16);
    const auto back = ParseDisplaySizes(SplitLines(FormatDisplaySizes(raw)));
    Check(back.has_value(), "a written settings file does not read back");
    for (int i = 0; i < brelvox::kLevelCount; ++i) {
      Check((*back)[i] == std::clamp(raw[i], MinCellSize, MaxCellSize),
            "round trip changed a size");
    }
  }

  // The same bytes as a file on disk.
  const std::string path = fuzz::ScratchFile("Brelvox.ini", text);
  const auto leading = ReadLeadingLines(path, 5, false);
  Check(leading.has_value(), "a small regular file was not read");
  const std::size_t kept = std::min<std::size_t>(lines.size(), 5);
  Check(leading->size() == kept && std::equal(leading->begin(), leading->end(), lines.begin()),
        "the file reader splits lines differently");
  Check(ReadDisplaySizes(path) == sizes.value_or(DefaultCellSizes),
        "reading the file differs from parsing its text");
  return 0;
}
