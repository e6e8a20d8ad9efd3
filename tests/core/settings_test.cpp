// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "app/text_lines.h"
#include "tests/support/text_files.h"

namespace brelvox {
namespace {

std::optional<std::array<std::int32_t, 4>> Parse(const std::string& text) {
  return ParseDisplaySizes(SplitLines(text));
}

TEST(DisplaySizes, HeaderAndFooterAreNotRead) {
  EXPECT_EQ(Parse("anything\r\n20\r\n30\r\n40\r\n50"),
            (std::array<std::int32_t, 4>{20, 30, 40, 50}));
  EXPECT_EQ(Parse("\r20\r30\r40\r50\rmore\rlines\r"),
            (std::array<std::int32_t, 4>{20, 30, 40, 50}));
}

TEST(DisplaySizes, OutOfRangeValuesAreClamped) {
  EXPECT_EQ(Parse("h\n0\n-5\n76\n2147483647\n"), (std::array<std::int32_t, 4>{18, 18, 75, 75}));
  EXPECT_EQ(Parse("h\n-$80000000\n$12\n$4b\n$4B\n"), (std::array<std::int32_t, 4>{18, 18, 75, 75}));
}

TEST(DisplaySizes, FormatRoundTrips) {
  const std::array<std::int32_t, 4> sizes{18, 75, 40, 21};
  EXPECT_EQ(Parse(FormatDisplaySizes(sizes)), sizes);
}

}  // namespace
}  // namespace brelvox
