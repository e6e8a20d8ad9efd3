// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board_setup.h"

namespace brelvox::test {

GameState MakeGame(const std::vector<std::string>& mines, const std::vector<std::string>& shown) {
  GameState s;
  s.Rows = static_cast<std::uint16_t>(mines.size());
  s.Cols = static_cast<std::uint16_t>(mines[0].size());
  s.GameOver = 0;
  s.SoundOn = 1;
  s.CellSizes = {64, 31, 25, 21};
  s.CellSize = 25;
  for (int r = 0; r < s.Rows; ++r) {
    for (int c = 0; c < s.Cols; ++c) {
      if (mines[r][c] == '*') {
        s.board.at(ContentLayer, c, r) = cellMine;
        ++s.MineCount;
        continue;
      }
      int n = 0;
      for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) {
          if (s.InArea(c + dc, r + dr) && mines[r + dr][c + dc] == '*') ++n;
        }
      }
      s.board.at(ContentLayer, c, r) = static_cast<std::uint8_t>(n);
    }
  }
  for (int r = 0; r < s.Rows; ++r) {
    for (int c = 0; c < s.Cols; ++c) {
      const char ch = shown.empty() ? '.' : shown[r][c];
      s.board.at(ShownLayer, c, r) = ch == '.'   ? cellCovered
                                     : ch == 'F' ? cellMarked
                                                 : s.board.at(ContentLayer, c, r);
    }
  }
  return s;
}

std::string LayerText(const GameState& state, int layer) {
  std::string text;
  for (int r = 0; r < state.Rows; ++r) {
    for (int c = 0; c < state.Cols; ++c) {
      text += CellCodeChar(state.board.at(layer, c, r));
    }
    text += '\n';
  }
  return text;
}

}  // namespace brelvox::test
