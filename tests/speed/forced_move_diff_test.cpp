// SPDX-License-Identifier: GPL-3.0-or-later
// The game's forced-move search against the plain one, over many positions
// reached in play: the same real clicks, drawn in the same order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "reference/play.h"
#include "bench/worst_cases.h"
#include "game/new_game.h"
#include "game/reveal.h"
#include "solver/forced_move.h"
#include "reference/forced_move_reference.h"
#include "solver/neighbour_counts.h"
#include "solver/safe_move.h"

namespace brelvox {
namespace {

long PositionsToCompare() {
  const char* text = std::getenv("BRELVOX_DIFF_POSITIONS");
  if (text == nullptr || *text == '\0') return 100000;
  return std::strtol(text, nullptr, 10);
}

// Both finders on one layer: the same result and cell, and the cell left
// alone when there is nothing.
bool SameFind(const GameState& s, int layer) {
  int slowCol = -7;
  int slowRow = -7;
  int fastCol = -7;
  int fastRow = -7;
  const SafeMove slow = FindSafeMoveReference(s, layer, slowCol, slowRow);
  const SafeMove fast = FindSafeMove(s, layer, fastCol, fastRow);
  const bool same = slow == fast && slowCol == fastCol && slowRow == fastRow;
  EXPECT_TRUE(same) << "layer " << layer << ": " << static_cast<int>(slow) << " at " << slowCol
                    << "," << slowRow << " vs " << static_cast<int>(fast) << " at " << fastCol
                    << "," << fastRow << ", position:\n"
                    << play::PositionText(s);
  return same;
}

// The finders on the shown layer and on trial uncoverings of a few covered
// cells in the probe layer.
bool SameFinds(GameState s, std::mt19937& rng) {
  if (!SameFind(s, ShownLayer)) return false;
  play::QuietHost host;
  for (int trial = 0; trial < 3; ++trial) {
    std::memcpy(s.board.layer(ProbeLayer), s.board.layer(ShownLayer), kLayerSize);
    const int c = static_cast<int>(rng() % s.Cols);
    const int r = static_cast<int>(rng() % s.Rows);
    if (s.board.at(ContentLayer, c, r) == cellMine) continue;
    RevealCell(s, c, r, true, ProbeLayer, host);
    if (!SameFind(s, ProbeLayer)) return false;
  }
  return true;
}

// Runs both searches on copies of `s`; on a difference, reports the position.
bool SameForcedMove(const GameState& s) {
  GameState slow = s;
  GameState fast = s;
  play::DrawRecorder slowDraws;
  play::DrawRecorder fastDraws;
  const int slowClicks = MakeForcedMoveReference(slow, slowDraws);
  const int fastClicks = MakeForcedMove(fast, fastDraws);
  const bool same =
      slowClicks == fastClicks && slowDraws.draws == fastDraws.draws &&
      std::equal(slow.board.layer(ShownLayer), slow.board.layer(ShownLayer) + kLayerSize,
                 fast.board.layer(ShownLayer)) &&
      slow.GameOver == fast.GameOver;
  EXPECT_TRUE(same) << "level " << int{s.CurrentLevel} << ", clicks " << slowClicks << " vs "
                    << fastClicks << ", draws " << slowDraws.draws.size() << " vs "
                    << fastDraws.draws.size() << ", position:\n"
                    << play::PositionText(s);
  if (!same) return false;
  // The hint's way: the search starts from the counts of a finder that found
  // nothing on the shown layer.
  GameState viaFinder = s;
  counts::LayerCounts shownCounts;
  int col = 0;
  int row = 0;
  if (FindSafeMove(viaFinder, ShownLayer, col, row, shownCounts) != moveNone) return true;
  play::DrawRecorder hintDraws;
  const int hintClicks = MakeForcedMove(viaFinder, hintDraws, shownCounts);
  const bool sameAsHint = hintClicks == slowClicks && hintDraws.draws == slowDraws.draws;
  EXPECT_TRUE(sameAsHint) << "from the finder's counts, position:\n" << play::PositionText(s);
  return sameAsHint;
}

// Changes a running position the way a player could: marks right and wrong,
// marks taken off again, cells uncovered away from the frontier.
void Disturb(GameState& s, std::mt19937& rng) {
  play::QuietHost host;
  auto cell = [&](int& c, int& r) {
    c = static_cast<int>(rng() % s.Cols);
    r = static_cast<int>(rng() % s.Rows);
  };
  const int kind = static_cast<int>(rng() % 4);
  const int times = 1 + static_cast<int>(rng() % (kind == 3 ? 3 : 6));
  for (int t = 0, tries = 0; t < times && tries < 200; ++tries) {
    int c = 0;
    int r = 0;
    cell(c, r);
    const std::uint8_t shown = s.board.at(ShownLayer, c, r);
    const bool mine = s.board.at(ContentLayer, c, r) == cellMine;
    bool done = false;
    switch (kind) {
      case 0:  // a correct mark
        done = mine && shown == cellCovered;
        break;
      case 1:  // a wrong mark
        done = !mine && shown == cellCovered;
        break;
      case 2:  // a mark taken off, or else a wrong one set
        done = shown == cellMarked || (!mine && shown == cellCovered);
        break;
      default:  // a lucky click somewhere
        if (!mine && shown == cellCovered) {
          RevealCell(s, c, r, true, ShownLayer, host);
          ++t;
        }
        continue;
    }
    if (!done) continue;
    RevealCell(s, c, r, false, ShownLayer, host);
    ++t;
  }
}

TEST(ForcedMoveSearch, KeptHardPositionsMatchThePlainSearch) {
  std::mt19937 rng(5);
  for (const play::Position& p : bench::kWorstCases) {
    ASSERT_TRUE(SameForcedMove(play::LoadPosition(p)));
    ASSERT_TRUE(SameFinds(play::LoadPosition(p), rng));
  }
}

// Openings at all four levels, then every point of a careful player's game at
// which the finder has nothing to say, some of them disturbed by marks and
// extra uncovered cells, which can leave the finder something to say already.
TEST(ForcedMoveSearch, PositionsFromPlayMatchThePlainSearch) {
  const long wanted = PositionsToCompare();
  long compared = 0;
  std::mt19937 rng(20261208);
  play::QuietHost host;
  for (std::uint32_t game = 0; compared < wanted; ++game) {
    const int level = static_cast<int>(game % kLevelCount);
    GameState s = play::FreshBoard(level, game * 2654435761u + 17);
    for (int hint = 0; !s.GameOver && compared < wanted; ++hint) {
      ASSERT_TRUE(SameForcedMove(s));
      ASSERT_TRUE(SameFinds(s, rng));
      ++compared;
      if (rng() % 3 == 0) {
        GameState disturbed = s;
        Disturb(disturbed, rng);
        if (rng() % 2 == 0) play::MakeSafeMoves(disturbed, host);
        if (!disturbed.GameOver) {
          ASSERT_TRUE(SameForcedMove(disturbed));
          ASSERT_TRUE(SameFinds(disturbed, rng));
          ++compared;
        }
      }
      const Board before = s.board;
      MakeForcedMove(s, host);
      if (s.board.cells == before.cells && !play::MarkTheRest(s, host)) break;
      play::MakeSafeMoves(s, host);
    }
  }
  std::printf("compared %ld positions\n", compared);
}

// Boards crowded with mines, on which passes find nothing again and again, so
// that the answers kept from pass to pass are used; and smaller games on
// layers that an earlier, larger game left full of codes outside the area.
TEST(ForcedMoveSearch, CrowdedBoardsAndStaleCellsMatchThePlainSearch) {
  std::mt19937 rng(99);
  play::QuietHost host;
  int mostClicks = 0;
  for (int game = 0; game < 400; ++game) {
    const int level = game % kLevelCount;
    GameState s = play::FreshBoard(3, static_cast<std::uint32_t>(game) * 7919u + 3);
    MakeForcedMove(s, host);  // a larger game first, partly played
    play::MakeSafeMoves(s, host);
    StartLevel(s, level);
    // About half the cells mines: there, forced moves take the most passes.
    s.MineCount = static_cast<std::uint16_t>(s.Cols * s.Rows * (48 + game % 9) / 100);
    PlaceMines(s);
    for (int hint = 0; hint < 6 && !s.GameOver; ++hint) {
      ASSERT_TRUE(SameForcedMove(s));
      ASSERT_TRUE(SameFinds(s, rng));
      mostClicks = std::max(mostClicks, MakeForcedMove(s, host));
      play::MakeSafeMoves(s, host);
    }
  }
  EXPECT_GE(mostClicks, 8);  // some forced moves did take many passes
  std::printf("most clicks in one forced move: %d\n", mostClicks);
}

}  // namespace
}  // namespace brelvox
