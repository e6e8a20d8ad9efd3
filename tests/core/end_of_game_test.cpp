// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/board_setup.h"
#include "core/test_host.h"
#include "game/clock_time.h"
#include "game/end_of_game.h"
#include "game/reveal.h"

namespace brelvox {
namespace {

using test::LayerText;
using test::MakeGame;
using Events = std::vector<std::string>;

TEST(EvaluateEnd, LossShowsHiddenMinesAndWrongMarksOnly) {
  // Mines at (0,0), (2,0), (0,2); the player marked (0,0) rightly and (1,2) wrongly.
  GameState s = MakeGame({"*.*", "...", "*.."}, {"F..", "...", ".F."});
  test::RecordingHost host;
  RevealCell(s, 2, 0, true, ShownLayer, host);
  EvaluateEnd(s, host);
  EXPECT_EQ(host.events,
            (Events{"draw 11 2 0", "cue bang.wav", "stop", "draw 11 0 2", "draw 12 1 2"}));
  EXPECT_EQ(LayerText(s, ContentLayer), "F.*\n...\n*X.\n");
  EXPECT_EQ(s.GameOver, 1);
}

TEST(EvaluateEnd, WinNeedsEveryMineMarkedAndNoWrongMark) {
  test::RecordingHost host;
  GameState s = MakeGame({"*..", "...", "..."}, {".00", "000", "000"});  // mine unmarked
  EvaluateEnd(s, host);
  EXPECT_EQ(s.GameOver, 0);
  s = MakeGame({"*..", "...", "..."}, {"F00", "00F", "000"});  // one safe cell marked
  EvaluateEnd(s, host);
  EXPECT_EQ(s.GameOver, 0);
  s = MakeGame({"*..", "...", "..."}, {"F00", "00.", "000"});  // one safe cell covered
  EvaluateEnd(s, host);
  EXPECT_EQ(s.GameOver, 0);
  EXPECT_TRUE(host.events.empty());
}

TEST(EvaluateEnd, WinSubmitsTheClocksSecondsWithinTheHintAllowance) {
  GameState s = MakeGame({"*..", "...", "..."}, {"F00", "000", "000"});
  for (int i = 0; i < 125; ++i) s.Elapsed += kOneSecond;
  s.CurrentLevel = 2;
  s.HintsLeft = 0;
  test::RecordingHost host;
  EvaluateEnd(s, host);
  EXPECT_EQ(host.events, (Events{"stop", "cue Win.wav", "submit 2 125"}));
  EXPECT_EQ(s.GameOver, 1);
  EXPECT_EQ(s.board.at(ContentLayer, 0, 0), cellMarked);
}

TEST(EvaluateEnd, WinAfterTooManyHintsIsNotSubmitted) {
  GameState s = MakeGame({"*..", "...", "..."}, {"F00", "000", "000"});
  s.HintsLeft = -1;
  test::RecordingHost host;
  EvaluateEnd(s, host);
  EXPECT_EQ(host.events, (Events{"stop", "cue Win.wav"}));
}

TEST(EvaluateEnd, EndingStopsARunningHintAnimationAndShowsItsFinalCell) {
  GameState s = MakeGame({"*.*", "...", "..."}, {"...", "...", "..."});
  s.AnimSteps = 5;
  s.AnimCol = 2;
  s.AnimRow = 0;
  test::RecordingHost host;
  RevealCell(s, 0, 0, true, ShownLayer, host);
  EvaluateEnd(s, host);
  EXPECT_EQ(s.AnimSteps, 0);
  EXPECT_EQ(host.events.back(), "draw 11 2 0");  // after the final-picture pass

  s = MakeGame({"*.", ".."}, {"F1", "11"});
  s.board.at(ShownLayer, 0, 0) = cellMarked;
  s.AnimSteps = 3;
  s.AnimCol = 0;
  s.AnimRow = 0;
  s.HintsLeft = -2;
  host.events.clear();
  EvaluateEnd(s, host);
  EXPECT_EQ(host.events, (Events{"stop", "draw 10 0 0", "cue Win.wav"}));
  EXPECT_EQ(s.AnimSteps, 0);
}

TEST(WholeSeconds, MatchesTheNumberOfClockTicks) {
  EXPECT_EQ(WholeSeconds(0), 0);
  double e = 0;
  for (int i = 0; i < 356400; ++i) e += kOneSecond;
  EXPECT_EQ(WholeSeconds(e), 356400);
}

}  // namespace
}  // namespace brelvox
