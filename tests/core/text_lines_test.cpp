// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/text_lines.h"
#include "core/session.h"
#include "tests/support/text_files.h"

namespace brelvox {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, CrLfAndCrLfPairsEachEndOneLine) {
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("a"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("\r\n"), Lines{""});
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\r\r\n\n"), (Lines{"", "", ""}));
}

TEST(ParseInt32, AcceptsSpacesSignDecimalAndDollarHex) {
  EXPECT_EQ(ParseInt32("0"), 0);
  EXPECT_EQ(ParseInt32("   +0042"), 42);
  EXPECT_EQ(ParseInt32("-0"), 0);
  EXPECT_EQ(ParseInt32("$ff"), 255);
  EXPECT_EQ(ParseInt32("-$Ff"), -255);
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInt32("$7FFFFFFF"), INT32_MAX);
  EXPECT_EQ(ParseInt32("-$80000000"), INT32_MIN);
  EXPECT_EQ(ParseInt32("000000000000000000000000000007"), 7);
}

TEST(ParseInt32, RejectsEverythingElse) {
  for (const char* bad :
       {"",           " ",           "+",         "-",         "$",           "-$",
        "1 ",         "\t1",         "1.0",       "0x10",      "x10",         "$g",
        "2147483648", "-2147483649", "$80000000", "$FFFFFFFF", "99999999999", "+-1",
        "- 1",        "$ 1",         "1e3",       "٣"}) {
    EXPECT_FALSE(ParseInt32(bad)) << bad;
  }
  EXPECT_FALSE(ParseInt32(std::string("1\0", 2)));
}

TEST(ReadLeadingLines, SplitsLikeSplitLinesAcrossBufferBoundaries) {
  test::TempDir dir;
  std::string text(65535, 'a');
  text += "\r\nb\rc\n\nd";  // the CR LF pair straddles the first read
  dir.Write("f", text);
  const auto lines = ReadLeadingLines((dir.path() / "f").string(), 100, false);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, SplitLines(text));
  EXPECT_EQ(ReadLeadingLines((dir.path() / "f").string(), 2, false)->size(), 2u);
  dir.Write("g", std::string("a\nb\0c\nd\n", 8));
  EXPECT_EQ(*ReadLeadingLines((dir.path() / "g").string(), 40, true), (Lines{"a", "b"}));
  EXPECT_EQ(*ReadLeadingLines((dir.path() / "g").string(), 40, false),
            (Lines{"a", std::string("b\0c", 3), "d"}));
  EXPECT_FALSE(ReadLeadingLines((dir.path() / "missing").string(), 40, true));
  EXPECT_FALSE(ReadLeadingLines(dir.path().string(), 40, true));  // a directory
}

TEST(ReadLeadingLines, CutsLongLinesAndTellsMissingFilesFromUnreadableOnes) {
  test::TempDir dir;
  dir.Write("long", std::string(kMaxLineLength + 70000, 'x') + "\r\nnext\n");
  const LeadingLines read = ReadLeadingLinesOf((dir.path() / "long").string(), 40, true);
  ASSERT_EQ(read.status, FileRead::Read);
  EXPECT_EQ(read.lines, (Lines{std::string(kMaxLineLength, 'x'), "next"}));
  EXPECT_EQ(read.cut, (std::vector<bool>{true, false}));

  std::filesystem::create_symlink("nowhere", dir.path() / "dangling");
  ::mkfifo((dir.path() / "pipe").c_str(), 0644);  // must not wait for a writer
  for (const char* name : {"missing", "dangling"}) {
    EXPECT_EQ(ReadLeadingLinesOf((dir.path() / name).string(), 40, true).status, FileRead::Missing);
  }
  for (const char* name : {"pipe", "."}) {
    EXPECT_EQ(ReadLeadingLinesOf((dir.path() / name).string(), 40, true).status,
              FileRead::Unreadable);
  }
}

}  // namespace
}  // namespace brelvox
