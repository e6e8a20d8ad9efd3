// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "sim/command_reader.h"

namespace brelvox::sim {
namespace {

bool IsError(const ParsedLine& p) {
  return std::holds_alternative<Error>(p);
}
Command Cmd(std::string_view line) {
  const ParsedLine p = ParseLine(line);
  EXPECT_TRUE(std::holds_alternative<Command>(p)) << line;
  return std::holds_alternative<Command>(p) ? std::get<Command>(p) : Command{};
}

TEST(ParseLine, BlankAndCommentLinesAreIgnored) {
  for (const char* line : {"", "   ", "#", "# seed x", "#\t"}) {
    EXPECT_TRUE(std::holds_alternative<Ignored>(ParseLine(line))) << line;
  }
  EXPECT_TRUE(IsError(ParseLine(" # not a comment")));
}

TEST(ParseLine, NumbersAreDecimalWithoutSignAndInRange) {
  EXPECT_EQ(Cmd("seed 4294967295").seed, 4294967295u);
  EXPECT_EQ(Cmd("  seed   007  ").seed, 7u);
  for (const char* bad : {"seed 4294967296", "seed -1", "seed +1", "seed 0x1", "seed", "seed 1 2",
                          "screen 1", "screen 2147483648 1", "press left l 1 2147483648"}) {
    EXPECT_TRUE(IsError(ParseLine(bad))) << bad;
  }
  const Command c = Cmd("screen 2147483647 0");
  EXPECT_EQ(c.width, 2147483647);
  EXPECT_EQ(c.height, 0);
}

TEST(ParseLine, LevelMayBeMinusOne) {
  EXPECT_EQ(Cmd("new -1").level, -1);
  EXPECT_EQ(Cmd("new -0").level, 0);
  EXPECT_EQ(Cmd("new 0003").level, 3);
  for (const char* bad : {"new 4", "new -2", "new +1", "new --1", "new -", "new"}) {
    EXPECT_TRUE(IsError(ParseLine(bad))) << bad;
  }
}

TEST(ParseLine, PressNeedsAHeldSetWithItsOwnButton) {
  const Command c = Cmd("press right lr 5 60");
  EXPECT_EQ(c.button, kRightButton);
  EXPECT_EQ(c.held, kLeftButton | kRightButton);
  EXPECT_EQ(Cmd("press middle mrl 0 0").held, 7u);
  for (const char* bad : {"press left r 1 1", "press left ll 1 1", "press left lx 1 1",
                          "press up l 1 1", "press left l 1", "press Left l 1 1"}) {
    EXPECT_TRUE(IsError(ParseLine(bad))) << bad;
  }
}

TEST(ParseLine, NameKeepsTheRestOfTheLineVerbatim) {
  Command c = Cmd("name  Ann\tLee ");
  EXPECT_TRUE(c.hasName);
  EXPECT_EQ(c.name, " Ann\tLee ");
  c = Cmd("name");
  EXPECT_FALSE(c.hasName);
  c = Cmd("  name ");
  EXPECT_TRUE(c.hasName);
  EXPECT_EQ(c.name, "");
  EXPECT_TRUE(IsError(ParseLine("names x")));
  EXPECT_TRUE(IsError(ParseLine("name\tx")));
}

TEST(ParseLine, TabsAndUnknownWordsAreErrors) {
  EXPECT_TRUE(IsError(ParseLine("dump\t")));
  EXPECT_TRUE(IsError(ParseLine("tick\t1")));
  EXPECT_TRUE(IsError(ParseLine("DUMP")));
  EXPECT_TRUE(IsError(ParseLine("quit now")));
  EXPECT_EQ(Cmd(" quit ").verb, Verb::Quit);
}

// Every line ReadLine gives for `input`, with a mark for one that was too long.
std::vector<std::string> Lines(const std::string& input) {
  std::FILE* in = fmemopen(const_cast<char*>(input.data()), input.size(), "r");
  std::vector<std::string> lines;
  std::string line;
  for (LineRead read; (read = ReadLine(in, line)) != LineRead::End;) {
    EXPECT_NE(read, LineRead::Failed);
    if (read == LineRead::Failed) break;
    lines.push_back(read == LineRead::TooLong
                        ? "LONG " + line.substr(0, 8) + " " + std::to_string(line.size())
                        : line);
  }
  std::fclose(in);
  return lines;
}

TEST(ReadLine, SplitsAtLfDropsOneCrAndCutsLongLinesToTheirBeginning) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines(""), V{});
  EXPECT_EQ(Lines("a\r\n\r\r\nb\rc\n\nlast\r"), (V{"a", "\r", "b\rc", "", "last\r"}));

  const std::string limit(kMaxLineBytes, 'x');
  const std::string over = "12345678" + limit;
  const std::string count = std::to_string(kMaxLineBytes);
  EXPECT_EQ(Lines(limit + "\n" + limit + "\r\n" + limit + "y\r\n" + over + "\ndump"),
            (V{limit, limit, "LONG xxxxxxxx " + count, "LONG 12345678 " + count, "dump"}));
  EXPECT_EQ(Lines(over), V{"LONG 12345678 " + count});  // no LF at the end
}

}  // namespace
}  // namespace brelvox::sim
