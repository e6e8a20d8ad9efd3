// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/score_file.h"
#include "app/score_table.h"
#include "app/text_lines.h"
#include "tests/support/text_files.h"

namespace brelvox {
namespace {

TEST(ScoreTable, DefaultsReadNobodyAt9959) {
  ScoreTable t;
  EXPECT_EQ(ScoreTable::Heading(2), "Difficult");
  EXPECT_EQ(t.CellText(0, 1), "99:59 by Nobody");
  EXPECT_FALSE(t.Qualifies(1, 5999));
  EXPECT_TRUE(t.Qualifies(1, 5998));
}

TEST(ScoreTable, InsertionKeepsOrderAndEqualTimesGoBelow) {
  ScoreTable t;
  EXPECT_EQ(t.Insert(0, 5998, "a"), 1);
  EXPECT_EQ(t.CellText(0, 2), "99:59 by Nobody");
  EXPECT_EQ(t.Insert(0, 100, "b"), 1);
  EXPECT_EQ(t.Insert(0, 300, "c"), 2);
  EXPECT_EQ(t.Insert(0, 100, "d"), 2);  // equal to rank 1: goes below it
  EXPECT_EQ(t.Insert(0, 300, "e"), 4);
  EXPECT_EQ(t.names[0], (std::array<std::string, 5>{"b", "d", "c", "e", "a"}));
  EXPECT_FALSE(t.Qualifies(0, 5998));
  EXPECT_EQ(t.Insert(0, 1, ""), 1);  // the former fifth drops out
  EXPECT_EQ(t.names[0][4], "e");
  EXPECT_EQ(t.CellText(0, 1), "0:1 by ");
  EXPECT_EQ(t.names[1][0], "Nobody");
}

TEST(ScoreTable, TimesShowWithoutLeadingZeros) {
  ScoreTable t;
  t.times[0][0] = 3600;
  t.times[0][1] = 59;
  t.times[0][2] = 65;
  EXPECT_EQ(t.CellText(0, 1).substr(0, 4), "60:0");
  EXPECT_EQ(t.CellText(0, 2).substr(0, 4), "0:59");
  EXPECT_EQ(t.CellText(0, 3).substr(0, 3), "1:5");
}

TEST(ScoreFile, RoundTripAndSixteenBitTimes) {
  ScoreTable t;
  t.Insert(3, 42, "Zoë");
  t.Insert(1, 7, "\xff\xfe raw");
  const std::string text = FormatScoreFile(t);
  EXPECT_EQ(text.substr(0, 14), "Nobody\r\n5999\r\n");
  const auto back = ParseScoreLines(SplitLines(text));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->names, t.names);
  EXPECT_EQ(back->times, t.times);

  std::vector<std::string> lines = SplitLines(text);
  lines[1] = "70000";
  lines[3] = "-1";
  lines[5] = "  $10";
  const auto wrapped = ParseScoreLines(lines);
  ASSERT_TRUE(wrapped);
  EXPECT_EQ(wrapped->CellText(0, 1), "74:24 by Nobody");
  EXPECT_EQ(wrapped->times[0][1], 65535);
  EXPECT_EQ(wrapped->times[0][2], 16);
}

TEST(CleanName, DropsLineBreaksAndNulAndCutsAt255CodePoints) {
  EXPECT_EQ(CleanName(std::string("a\rb\nc\0d", 7)), "abcd");
  EXPECT_EQ(CleanName(std::string(300, 'x')), std::string(255, 'x'));
  std::string euros;
  for (int i = 0; i < 300; ++i) euros += "\xe2\x82\xac";
  EXPECT_EQ(CleanName(euros), euros.substr(0, 255 * 3));
  // Bytes that are not UTF-8 pass through and count one each.
  EXPECT_EQ(CleanName(std::string(254, 'x') + "\xe2\x82" + "y"), std::string(254, 'x') + "\xe2");
  EXPECT_EQ(CleanName("\t tab kept "), "\t tab kept ");
}

}  // namespace
}  // namespace brelvox
