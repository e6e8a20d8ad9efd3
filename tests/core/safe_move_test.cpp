// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/board_setup.h"
#include "solver/safe_move.h"

namespace brelvox {
namespace {

using test::MakeGame;

struct Found {
  SafeMove result;
  int col;
  int row;
};

Found Find(const GameState& s, int layer = ShownLayer) {
  int col = -7;
  int row = -7;
  const SafeMove result = FindSafeMove(s, layer, col, row);
  return {result, col, row};
}

TEST(FindSafeMove, NothingUncoveredFindsNothingAndLeavesTheOutputAlone) {
  GameState s = MakeGame({"*..", "...", "..."});
  const Found f = Find(s);
  EXPECT_EQ(f.result, moveNone);
  EXPECT_EQ(f.col, -7);
  EXPECT_EQ(f.row, -7);
}

TEST(FindSafeMove, CornerThreeReportsTheLastMineInWalkOrder) {
  GameState s = MakeGame({"o*..", "**..", "....", "...."}, {"3...", "....", "....", "...."});
  const Found f = Find(s);
  EXPECT_EQ(f.result, moveMine);
  EXPECT_EQ(f.col, 1);
  EXPECT_EQ(f.row, 1);
}

TEST(FindSafeMove, WrongMarkCountsAsUnresolvedUntilTheMineIsMarked) {
  // A 1 between a covered mine and a wrong mark: missing 1, unresolved 2.
  GameState s = MakeGame({"*.."}, {".oF"});
  EXPECT_EQ(Find(s).result, moveNone);
  // Once the mine is marked the number is satisfied and the wrong mark is safe.
  s.board.at(ShownLayer, 0, 0) = cellMarked;
  const Found f = Find(s);
  EXPECT_EQ(f.result, moveSafe);
  EXPECT_EQ(f.col, 2);
  EXPECT_EQ(f.row, 0);
}

TEST(FindSafeMove, CorrectMarksAreNeverReported) {
  GameState s = MakeGame({"*..", "...", "..."}, {"F1.", "11.", "..."});
  const Found f = Find(s);
  ASSERT_EQ(f.result, moveSafe);
  EXPECT_FALSE(f.col == 0 && f.row == 0);
}

TEST(FindSafeMove, LaterNumberCellWinsWhateverTheRule) {
  // Columns 0..3 yield safe cells (the mine at (0,0) is marked); column 4
  // yields the covered mine at (5,0).
  Found f = Find(MakeGame({"*....*", "......", "......"}, {"F1.oo.", "11.oo1", "......"}));
  EXPECT_EQ(f.result, moveMine);
  EXPECT_EQ(f.col, 5);
  EXPECT_EQ(f.row, 0);
  // Mirrored: the mine rule comes first and the safe cells of the right side win.
  f = Find(MakeGame({"*....*", "......", "......"}, {".oo.1F", "1oo.11", "......"}));
  EXPECT_EQ(f.result, moveSafe);
  EXPECT_EQ(f.col, 5);
  EXPECT_EQ(f.row, 2);
}

TEST(FindSafeMove, LowerCellOfTheSameColumnWins) {
  // In the last column the top 1 names the mine at (0,0), the lower cells (0,2).
  const Found f = Find(MakeGame({"*.", "..", "*."}, {".o", "oo", ".o"}));
  EXPECT_EQ(f.result, moveMine);
  EXPECT_EQ(f.col, 0);
  EXPECT_EQ(f.row, 2);
}

TEST(FindSafeMove, SeesOnlyTheLayerItIsGiven) {
  GameState s = MakeGame({"o*", "**"}, {"..", ".."});
  s.board.at(ProbeLayer, 0, 0) = 3;
  s.board.at(ProbeLayer, 1, 0) = cellCovered;
  s.board.at(ProbeLayer, 0, 1) = cellCovered;
  s.board.at(ProbeLayer, 1, 1) = cellCovered;
  EXPECT_EQ(Find(s, ShownLayer).result, moveNone);
  const Found f = Find(s, ProbeLayer);
  EXPECT_EQ(f.result, moveMine);
  EXPECT_EQ(f.col, 1);
  EXPECT_EQ(f.row, 1);
}

TEST(FindSafeMove, ZeroNextToOnlyUncoveredCellsYieldsNothing) {
  GameState s = MakeGame({"...", "...", "..*"}, {"000", "011", "01."});
  EXPECT_EQ(Find(s).result, moveMine);  // the 1s see their one covered neighbour
  GameState t = MakeGame({"...", "...", "..."}, {"000", "000", "000"});
  EXPECT_EQ(Find(t).result, moveNone);
}

}  // namespace
}  // namespace brelvox
