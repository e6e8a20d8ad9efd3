// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/board_setup.h"
#include "game/level_table.h"
#include "game/new_game.h"
#include "game/random.h"

namespace brelvox {
namespace {

GameState Fresh() {
  GameState s;
  s.CellSizes = {64, 31, 25, 21};
  return s;
}

TEST(RandomBelow, FollowsTheLinearCongruentialSequence) {
  std::uint32_t state = 0;
  EXPECT_EQ(RandomBelow(state, 8), 0u);  // state 1: 1 * 8 >> 32
  EXPECT_EQ(state, 1u);
  EXPECT_EQ(RandomBelow(state, 1u << 31), 134775814u >> 1);
  EXPECT_EQ(state, 134775814u);
  state = 0xFFFFFFFFu;
  RandomBelow(state, 5);
  EXPECT_EQ(state, static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
}

TEST(PlaceMines, KnownSeedGivesKnownLayout) {
  GameState s = Fresh();
  s.RandomState = 5;
  StartLevel(s, 0);
  PlaceMines(s);
  EXPECT_EQ(test::LayerText(s, ContentLayer),
            "1233211*\n1****111\n34432100\n**112210\n2211**20\n00013*20\n01111121\n01*1001*\n");
  EXPECT_EQ(
      test::LayerText(s, ShownLayer), std::string(8, '.') + "\n" + [] {
        std::string rest;
        for (int i = 1; i < 8; ++i) rest += "........\n";
        return rest;
      }());
}

TEST(PlaceMines, EveryLevelHasItsMinesAndTrueCounts) {
  for (int level = 0; level < kLevelCount; ++level) {
    for (std::uint32_t seed : {0u, 1u, 77u, 123456789u, 0xFFFFFFFFu}) {
      GameState s = Fresh();
      s.RandomState = seed;
      StartLevel(s, level);
      PlaceMines(s);
      int mines = 0;
      for (int c = 0; c < s.Cols; ++c) {
        for (int r = 0; r < s.Rows; ++r) {
          ASSERT_EQ(s.board.at(ShownLayer, c, r), cellCovered);
          if (s.board.at(ContentLayer, c, r) == cellMine) {
            ++mines;
            continue;
          }
          int around = 0;
          for (int dc = -1; dc <= 1; ++dc) {
            for (int dr = -1; dr <= 1; ++dr) {
              if (s.InArea(c + dc, r + dr) && s.board.at(ContentLayer, c + dc, r + dr) == cellMine)
                ++around;
            }
          }
          ASSERT_EQ(s.board.at(ContentLayer, c, r), around) << c << "," << r;
        }
      }
      EXPECT_EQ(mines, LevelTable::Mines[level]);
    }
  }
}

TEST(NewGame, SmallerGameLeavesTheRestOfEachLayerAlone) {
  GameState s = Fresh();
  s.RandomState = 42;
  StartLevel(s, 3);
  PlaceMines(s);
  s.board.at(ProbeLayer, 3, 3) = 7;
  const Board before = s.board;
  StartLevel(s, 0);
  PlaceMines(s);
  for (int l = 0; l < 3; ++l) {
    for (int c = 0; c < 30; ++c) {
      for (int r = 0; r < 24; ++r) {
        if (l != ProbeLayer && c < 8 && r < 8) continue;
        ASSERT_EQ(s.board.at(l, c, r), before.at(l, c, r)) << l << " " << c << "," << r;
      }
    }
  }
}

}  // namespace
}  // namespace brelvox
