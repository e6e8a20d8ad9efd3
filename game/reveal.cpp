// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/reveal.h"

namespace brelvox {

void RevealCell(GameState& state, int col, int row, bool uncover, int layer, CellPainter& painter) {
  if (!state.InArea(col, row)) return;
  Board& b = state.board;
  std::uint8_t& cell = b.at(layer, col, row);
  if (!uncover) {
    if (cell == cellCovered) {
      cell = cellMarked;
    } else if (cell == cellMarked) {
      cell = cellCovered;
    }
    painter.DrawCell(cell, col, row);  // repainted even when nothing changed
    return;
  }
  const std::uint8_t content = b.at(ContentLayer, col, row);
  // A marked cell is never uncovered; an uncovered one is not visited twice.
  if (cell == cellMarked || cell == content) return;
  cell = content;
  if (layer == ShownLayer) painter.DrawCell(cell, col, row);
  if (content == cellMine) {
    state.GameOver = 1;
    return;
  }
  if (content != 0) return;
  // Depth first: the order in which the cells are painted.
  for (const CellOffset& d : kNeighbourOffsets) {
    RevealCell(state, col + d.col, row + d.row, true, layer, painter);
  }
}

}  // namespace brelvox
