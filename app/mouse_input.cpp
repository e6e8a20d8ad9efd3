// SPDX-License-Identifier: GPL-3.0-or-later
// Moves on the board: uncover with the left button, mark with any other, and
// the chord of left and right held together.
#include "app/main_window_logic.h"
#include "app/window_geometry.h"
#include "game/end_of_game.h"
#include "game/reveal.h"

namespace brelvox {

void MainWindowLogic::FormMouseDown(MouseButtons button, unsigned held, int x, int y) {
  if (y >= ToolbarHeight) {
    cursor_.Hide();
    SyncCursor();
  }
  PressAt(button, held, x, y);
}

void MainWindowLogic::PressAt(MouseButtons button, unsigned held, int x, int y) {
  if (y < ToolbarHeight) return;
  if (state_.GameOver || state_.Paused) return;
  if (x < 0) return;
  const int col = x / state_.CellSize;
  const int row = (y - ToolbarHeight) / state_.CellSize;
  if ((held & kLeftButton) && (held & kRightButton)) {
    // The chord tests nothing first; the bounds test of each reveal drops
    // neighbours off the board, and marked ones stay as they are.
    for (const CellOffset& d : kNeighbourOffsets) {
      RevealCell(state_, col + d.col, row + d.row, true, ShownLayer, *this);
    }
  } else {
    if (!state_.InArea(col, row)) return;
    const std::uint8_t shown = state_.board.at(ShownLayer, col, row);
    if (shown != cellCovered && shown != cellMarked) return;
    RevealCell(state_, col, row, button == kLeftButton, ShownLayer, *this);
  }
  EvaluateEnd(state_, *this);
  if (!state_.GameOver) PlayCue((held & kLeftButton) ? "click.wav" : "mark.wav");
}

}  // namespace brelvox
