// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/hint_command.h"
#include "core/board_setup.h"
#include "core/test_host.h"
#include "game/level_table.h"
#include "game/new_game.h"
#include "game/reveal.h"
#include "reference/forced_move_reference.h"
#include "solver/forced_move.h"
#include "solver/safe_move.h"

namespace brelvox {
namespace {

using test::LayerText;
using test::MakeGame;
using Events = std::vector<std::string>;

void Ticks(GameState& s, test::RecordingHost& host, int n) {
  for (int i = 0; i < n; ++i) StepHintAnimation(s, host);
}

TEST(GiveHint, MissedMineIsChargedFlashedAndMarkedAtTheEnd) {
  GameState s = MakeGame({"*..", "...", "..."}, {".10", "110", "000"});
  s.HintsLeft = 3;
  test::RecordingHost host;
  RunHintCommand(s, host);
  EXPECT_EQ(host.events, (Events{"cue Hint.wav", "hints 2"}));
  EXPECT_EQ(s.AnimSteps, 10);
  EXPECT_EQ(s.board.at(ShownLayer, 0, 0), cellCovered);  // the move waits for the animation
  EXPECT_EQ(host.busy, 0);
  host.events.clear();
  Ticks(s, host, 10);
  EXPECT_EQ(host.events,
            (Events{"draw 11 0 0", "draw 9 0 0", "draw 11 0 0", "draw 9 0 0", "draw 11 0 0",
                    "draw 9 0 0", "draw 11 0 0", "draw 9 0 0", "draw 11 0 0", "draw 9 0 0",
                    "draw 10 0 0", "stop", "cue Win.wav", "submit 0 0"}));
  EXPECT_EQ(s.board.at(ShownLayer, 0, 0), cellMarked);
  host.events.clear();
  Ticks(s, host, 3);  // idle again
  EXPECT_TRUE(host.events.empty());
}

TEST(GiveHint, WrongMarkReportedSafeLosesItsMarkAndEndsUncovered) {
  GameState s = MakeGame({"*..", "...", "..."}, {"F1.", "11.", "..F"});
  s.HintsLeft = 1;
  test::RecordingHost host;
  RunHintCommand(s, host);
  // The last qualifying cell in column-major order is the wrong mark (2,2).
  EXPECT_EQ(s.AnimCol, 2);
  EXPECT_EQ(s.AnimRow, 2);
  EXPECT_EQ(s.board.at(ShownLayer, 2, 2), cellCovered);
  EXPECT_EQ(host.Only("draw").size(), 0u);
  host.events.clear();
  Ticks(s, host, 10);
  ASSERT_GE(host.events.size(), 11u);
  EXPECT_EQ(host.events[0], "draw 0 2 2");  // its content: a zero
  EXPECT_EQ(host.events[1], "draw 9 2 2");
  EXPECT_EQ(host.events[10], "draw 0 2 2");  // the move uncovers it and fills from it
  EXPECT_EQ(LayerText(s, ShownLayer), "F10\n110\n000\n");
}

TEST(GiveHint, MessageComesOnceWhenTheAllowanceIsFirstExceeded) {
  GameState s = MakeGame({"*..", "...", "..."}, {".10", "110", "000"});
  s.HintsLeft = 1;
  test::RecordingHost host;
  RunHintCommand(s, host);
  RunHintCommand(s, host);
  RunHintCommand(s, host);
  EXPECT_EQ(host.events,
            (Events{"cue Hint.wav", "hints 0", "cue Hint.wav", "too many hints", "cue Hint.wav"}));
  EXPECT_EQ(s.HintsLeft, -2);
  host.events.clear();
  Ticks(s, host, 10);  // three hints on one cell still make one move
  EXPECT_EQ(host.Count("draw 10 0 0"), 1);
  EXPECT_TRUE(host.Only("submit").empty());
}

TEST(GiveHint, NewGameDropsTheWaitingMove) {
  GameState s = MakeGame({"*..", "...", "..."}, {".10", "110", "000"});
  s.CellSizes = {64, 31, 25, 21};
  s.RandomState = 7;
  test::RecordingHost host;
  RunHintCommand(s, host);
  Ticks(s, host, 4);
  StartLevel(s, 0);
  PlaceMines(s);
  host.events.clear();
  Ticks(s, host, 10);  // the rest of the old animation must not reach the new board
  EXPECT_TRUE(host.events.empty());
  std::string covered;
  for (int r = 0; r < 8; ++r) covered += "........\n";
  EXPECT_EQ(LayerText(s, ShownLayer), covered);
}

TEST(GiveHint, LastMineMarkedByTheAnimationWinsTheGame) {
  GameState s = MakeGame({"*..", "...", "..."}, {".10", "110", "000"});
  s.HintsLeft = 0;
  s.CurrentLevel = 1;
  test::RecordingHost host;
  RunHintCommand(s, host);
  EXPECT_EQ(s.HintsLeft, -1);
  host.events.clear();
  Ticks(s, host, 10);
  EXPECT_EQ(s.GameOver, 1);
  EXPECT_EQ(host.events.back(), "cue Win.wav");  // no submission with HintsLeft < 0
}

TEST(ForcedMove, NoCandidateMeansOnlyTheCue) {
  // Every mine-free cell is uncovered; the one unmarked mine, in the corner,
  // touches only marked mines, so no number can name it.
  GameState s = MakeGame({"...**", "...**", "....."}, {"oooF.", "oooFF", "ooooo"});
  test::RecordingHost host;
  const std::string before = LayerText(s, ShownLayer);
  RunHintCommand(s, host);
  EXPECT_EQ(host.events, (Events{"cue HintOK.wav"}));
  EXPECT_EQ(LayerText(s, ShownLayer), before);
  EXPECT_EQ(s.GameOver, 0);
}

TEST(ForcedMove, FallbackClicksTheLastCandidateThenSearchesAgain) {
  // Neither covered cell alone lets the finder go on: the fallback clicks the
  // last candidate, after which the first one deduces the left mine.
  GameState s = MakeGame({"*..*"});
  test::RecordingHost host;
  RunHintCommand(s, host);
  EXPECT_EQ(host.events, (Events{"cue HintOK.wav", "draw 1 2 0", "draw 1 1 0"}));
  EXPECT_EQ(s.HintsLeft, 0);
}

TEST(ForcedMove, FallbackOpensTheLastZeroAreaFirst) {
  // Two 50/50 pairs of mines at the sides; no single cell lets the finder go
  // on. The covered zero cells come again at the end of the list, so the
  // fallback opens the middle (from its last zero) rather than the number
  // cell last in row order; then the left edge cell settles a mine.
  GameState s = MakeGame({"*....*", "......", "*....*"});
  test::RecordingHost host;
  RunHintCommand(s, host);
  const Events draws = host.Only("draw");
  ASSERT_FALSE(draws.empty());
  EXPECT_EQ(draws.front(), "draw 0 3 2");
  EXPECT_EQ(draws.back(), "draw 2 0 1");
  EXPECT_EQ(LayerText(s, ShownLayer), ".1001.\n22002.\n.1001.\n");
}

// Over many real positions: a forced move never touches a mine or a mark,
// clicks at least once when it can, and stops only when the finder can go on
// or nothing is left to click.
TEST(ForcedMove, PropertiesHoldOverRandomGames) {
  for (int level = 0; level < kLevelCount; ++level) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      GameState s;
      s.CellSizes = {64, 31, 25, 21};
      s.RandomState = seed * 2654435761u;
      StartLevel(s, level);
      PlaceMines(s);
      test::RecordingHost host;
      for (int move = 0; move < 200 && !s.GameOver; ++move) {
        const Board before = s.board;
        CandidateList list;
        BuildCandidates(s, list);
        host.events.clear();
        MakeForcedMove(s, host);
        for (int c = 0; c < s.Cols; ++c) {
          for (int r = 0; r < s.Rows; ++r) {
            const std::uint8_t was = before.at(ShownLayer, c, r);
            const std::uint8_t now = s.board.at(ShownLayer, c, r);
            ASSERT_NE(now, cellMine);
            ASSERT_EQ(was == cellMarked, now == cellMarked);
          }
        }
        if (list.count == 0) break;
        ASSERT_FALSE(host.events.empty());
        int col = 0;
        int row = 0;
        SafeMove found = FindSafeMove(s, ShownLayer, col, row);
        bool anyCovered = false;
        for (int c = 0; c < s.Cols; ++c) {
          for (int r = 0; r < s.Rows; ++r) {
            anyCovered |= s.board.at(ShownLayer, c, r) == cellCovered &&
                          IsNumber(s.board.at(ContentLayer, c, r));
          }
        }
        ASSERT_TRUE(found != moveNone || !anyCovered);
        // Play what the finder allows, as a careful player would.
        while (found != moveNone) {
          RevealCell(s, col, row, found == moveSafe, ShownLayer, host);
          found = FindSafeMove(s, ShownLayer, col, row);
        }
        ASSERT_EQ(s.GameOver, 0);
      }
    }
  }
}

}  // namespace
}  // namespace brelvox
