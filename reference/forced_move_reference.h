// SPDX-License-Identifier: GPL-3.0-or-later
// The forced-move search written the plain way: every probe copies the shown
// layer, floods the copy and scans the whole board. Kept outside the game as
// the yardstick that the game's search must match click for click.
#pragma once

#include <cstdint>

#include "game/cell_painter.h"
#include "game/game_state.h"
#include "solver/forced_move.h"
#include "solver/safe_move.h"

namespace brelvox {

// The forced move's candidates in the plain form: covered mine-free cells in
// row-major order, then the covered zero cells again (n = col + row * Cols).
struct CandidateList {
  std::uint16_t cells[kMaxCandidates];
  int count = 0;
};
void BuildCandidates(const GameState& state, CandidateList& list);

// The safe-move finder written the plain way: one counting walk per number
// cell, every qualifying neighbour overwriting the answer.
SafeMove FindSafeMoveReference(const GameState& state, int layer, int& col, int& row);

// Same clicks, draws and result as MakeForcedMove; leaves the last probe in
// the probe layer. Returns the number of real clicks made.
int MakeForcedMoveReference(GameState& state, CellPainter& painter);

}  // namespace brelvox
