// SPDX-License-Identifier: GPL-3.0-or-later
// Uncovering (with flood fill) and marking: every change a move makes to a layer.
#pragma once

#include "game/cell_painter.h"
#include "game/game_state.h"

namespace brelvox {

// Uncovers the cell (uncover = true) or toggles its mark, on any layer. Cells
// changed on the shown layer are drawn at once through `painter`. Uncovering a
// mine sets GameOver. Positions off the game area are ignored.
void RevealCell(GameState& state, int col, int row, bool uncover, int layer, CellPainter& painter);

}  // namespace brelvox
