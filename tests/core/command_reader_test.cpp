#include <gtest/gtest.h>

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

}  // namespace
}  // namespace brelvox::sim
