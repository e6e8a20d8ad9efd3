// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/board_setup.h"
#include "core/test_host.h"
#include "game/reveal.h"

namespace brelvox {
namespace {

using test::LayerText;
using test::MakeGame;

TEST(RevealCell, FloodFillOpensTheZeroRegionAndItsBorderInDepthFirstOrder) {
  GameState s = MakeGame({"...", "...", "..*"});
  test::RecordingHost host;
  RevealCell(s, 0, 0, true, ShownLayer, host);
  EXPECT_EQ(LayerText(s, ShownLayer), "000\n011\n01.\n");
  EXPECT_EQ(host.events,
            (std::vector<std::string>{"draw 0 0 0", "draw 0 1 0", "draw 0 2 0", "draw 1 1 1",
                                      "draw 1 2 1", "draw 0 0 1", "draw 0 0 2", "draw 1 1 2"}));
  EXPECT_EQ(s.GameOver, 0);
}

TEST(RevealCell, FillStopsAtMarksEvenOnZeroCells) {
  GameState s = MakeGame({".....", ".....", "....*"}, {".F...", "FF...", "....."});
  test::RecordingHost host;
  RevealCell(s, 0, 0, true, ShownLayer, host);
  EXPECT_EQ(LayerText(s, ShownLayer), "0F...\nFF...\n.....\n");
  RevealCell(s, 4, 0, true, ShownLayer, host);
  EXPECT_EQ(LayerText(s, ShownLayer), "0F000\nFF011\n0001.\n");
}

TEST(RevealCell, MineEndsTheGameWithoutFill) {
  GameState s = MakeGame({"*..", "...", "..."});
  test::RecordingHost host;
  RevealCell(s, 0, 0, true, ShownLayer, host);
  EXPECT_EQ(s.GameOver, 1);
  EXPECT_EQ(host.events, std::vector<std::string>{"draw 11 0 0"});
}

TEST(RevealCell, MarkedUncoveredAndOffBoardCellsAreLeftAlone) {
  GameState s = MakeGame({"*..", "...", "..."}, {"F..", ".1.", "..."});
  test::RecordingHost host;
  RevealCell(s, 0, 0, true, ShownLayer, host);  // marked
  RevealCell(s, 1, 1, true, ShownLayer, host);  // uncovered
  for (auto [c, r] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {-128, 200}}) {
    RevealCell(s, c, r, true, ShownLayer, host);
    RevealCell(s, c, r, false, ShownLayer, host);
  }
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(s.GameOver, 0);
}

TEST(RevealCell, ToggleMarksUnmarksAndAlwaysRepaints) {
  GameState s = MakeGame({"*..", "...", "..."}, {"...", ".1.", "..."});
  test::RecordingHost host;
  RevealCell(s, 2, 2, false, ShownLayer, host);
  EXPECT_EQ(s.board.at(ShownLayer, 2, 2), cellMarked);
  RevealCell(s, 2, 2, false, ShownLayer, host);
  EXPECT_EQ(s.board.at(ShownLayer, 2, 2), cellCovered);
  RevealCell(s, 1, 1, false, ShownLayer, host);  // uncovered: unchanged but drawn
  EXPECT_EQ(s.board.at(ShownLayer, 1, 1), 1);
  EXPECT_EQ(host.events, (std::vector<std::string>{"draw 10 2 2", "draw 9 2 2", "draw 1 1 1"}));
}

TEST(RevealCell, ProbeLayerFillsWithoutPainting) {
  GameState s = MakeGame({"...", "...", "..*"});
  for (int i = 0; i < kLayerSize; ++i) s.board.layer(ProbeLayer)[i] = s.board.layer(ShownLayer)[i];
  test::RecordingHost host;
  RevealCell(s, 0, 0, true, ProbeLayer, host);
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(LayerText(s, ProbeLayer), "000\n011\n01.\n");
  EXPECT_EQ(LayerText(s, ShownLayer), "...\n...\n...\n");
}

}  // namespace
}  // namespace brelvox
