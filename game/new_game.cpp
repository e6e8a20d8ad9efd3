// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/new_game.h"

#include "game/level_table.h"
#include "game/random.h"

namespace brelvox {

void StartLevel(GameState& state, int level) {
  state.AnimSteps = 0;
  state.Cols = LevelTable::Columns[level];
  state.Rows = LevelTable::Rows[level];
  state.MineCount = LevelTable::Mines[level];
  state.HintsLeft = LevelTable::Hints[level];
  state.GameOver = 0;
  state.CurrentLevel = static_cast<std::uint8_t>(level);
  state.CellSize = static_cast<std::uint16_t>(state.CellSizes[level]);
}

void PlaceMines(GameState& state) {
  Board& b = state.board;
  for (int x = 0; x < state.Cols; ++x) {
    for (int y = 0; y < state.Rows; ++y) {
      b.at(ContentLayer, x, y) = 0;
      b.at(ShownLayer, x, y) = cellCovered;
    }
  }
  int placed = 0;
  while (placed < state.MineCount) {
    const int x = static_cast<int>(RandomBelow(state.RandomState, state.Cols));
    const int y = static_cast<int>(RandomBelow(state.RandomState, state.Rows));
    if (b.at(ContentLayer, x, y) == cellMine) continue;
    b.at(ContentLayer, x, y) = cellMine;
    // The bound of 8 keeps mines, the new one included, from being counted up.
    for (int ny = y - 1; ny <= y + 1; ++ny) {
      for (int nx = x - 1; nx <= x + 1; ++nx) {
        if (state.InArea(nx, ny) && b.at(ContentLayer, nx, ny) < 8) ++b.at(ContentLayer, nx, ny);
      }
    }
    ++placed;
  }
}

}  // namespace brelvox
