// The forced-move search written the plain way: every probe copies the shown
// layer, floods the copy and scans the whole board. Kept outside the game as
// the yardstick that the game's search must match click for click.
#pragma once

#include <cstdint>

#include "game/game_host.h"
#include "game/game_state.h"
#include "solver/safe_move.h"

namespace brelvox {

// The safe-move finder written the plain way: one counting walk per number
// cell, every qualifying neighbour overwriting the answer.
SafeMove FindSafeMoveReference(const GameState& state, int layer, int& col, int& row);

// Same clicks, draws and result as MakeForcedMove; leaves the last probe in
// the probe layer. Returns the number of real clicks made.
int MakeForcedMoveReference(GameState& state, CellPainter& painter);

}  // namespace brelvox
