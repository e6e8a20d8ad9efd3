// SPDX-License-Identifier: GPL-3.0-or-later
// The packed neighbour counts against a plain count, at every board width and
// with stale codes outside the game area, as an earlier larger game leaves them.
#include <gtest/gtest.h>

#include <random>

#include "reference/play.h"
#include "solver/neighbour_counts.h"

namespace brelvox {
namespace {

// A layer of random codes over a random content, junk everywhere outside the
// `cols` x `rows` area.
GameState RandomLayers(int cols, int rows, std::mt19937& rng) {
  GameState s;
  s.Cols = static_cast<std::uint16_t>(cols);
  s.Rows = static_cast<std::uint16_t>(rows);
  for (int i = 0; i < 3 * kLayerSize; ++i) s.board.cells[i] = static_cast<std::uint8_t>(rng() % 13);
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      const bool mine = rng() % 4 == 0;
      s.board.at(ContentLayer, c, r) = mine ? cellMine : static_cast<std::uint8_t>(rng() % 9);
      const int pick = static_cast<int>(rng() % 4);
      s.board.at(ShownLayer, c, r) = pick == 0   ? cellCovered
                                     : pick == 1 ? cellMarked
                                                 : s.board.at(ContentLayer, c, r);
    }
  }
  return s;
}

TEST(NeighbourCounts, PackedSumsMatchAPlainCountAtEveryWidth) {
  std::mt19937 rng(11);
  for (int cols = 1; cols <= kStride; ++cols) {
    for (int rows : {1, 2, 8, 16, kMaxRows}) {
      const GameState s = RandomLayers(cols, rows, rng);
      counts::LayerCounts lc;
      counts::CountAll(s, s.board.layer(ShownLayer), lc.contribution, lc.sum);
      for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows; ++r) {
          int resolved = 0, marks = 0, safe = 0, mines = 0;
          for (int nc = c - 1; nc <= c + 1; ++nc) {
            for (int nr = r - 1; nr <= r + 1; ++nr) {
              if (nc == c && nr == r) continue;
              if (!s.InArea(nc, nr)) {
                ++resolved;
                continue;
              }
              const bool mine = s.board.at(ContentLayer, nc, nr) == cellMine;
              const std::uint8_t code = s.board.at(ShownLayer, nc, nr);
              if (mine && code == cellMarked) {
                ++resolved;
                ++marks;
              } else if (mine) {
                mines += code == cellCovered;
              } else if (code <= 8) {
                ++resolved;
              } else {
                ++safe;
              }
            }
          }
          const std::uint32_t sum = lc.sum[counts::Pad(c, r)];
          ASSERT_EQ(sum,
                    static_cast<std::uint32_t>(resolved | marks << 8 | safe << 16 | mines << 24))
              << cols << " x " << rows << " at " << c << "," << r;
        }
      }
    }
  }
}

TEST(NeighbourCounts, AnyUncoveredSeesEveryCellOfTheAreaAndNothingBeyond) {
  for (int cols : {1, 7, 8, 9, 24, 29, 30}) {
    for (int rows : {1, 8, kMaxRows}) {
      GameState s;
      s.Cols = static_cast<std::uint16_t>(cols);
      s.Rows = static_cast<std::uint16_t>(rows);
      std::uint8_t* shown = s.board.layer(ShownLayer);
      for (int i = 0; i < kLayerSize; ++i) shown[i] = 0;  // uncovered everywhere ...
      for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows; ++r) s.board.at(ShownLayer, c, r) = cellCovered;  // ... but here
      }
      EXPECT_FALSE(counts::AnyUncovered(s, shown)) << cols << " x " << rows;
      for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows; ++r) {
          for (std::uint8_t code : {std::uint8_t{0}, std::uint8_t{8}}) {
            s.board.at(ShownLayer, c, r) = code;
            ASSERT_TRUE(counts::AnyUncovered(s, shown)) << cols << " x " << rows << " at " << c;
          }
          s.board.at(ShownLayer, c, r) = cellMarked;
          ASSERT_FALSE(counts::AnyUncovered(s, shown));
          s.board.at(ShownLayer, c, r) = cellCovered;
        }
      }
    }
  }
}

}  // namespace
}  // namespace brelvox
