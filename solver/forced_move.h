// SPDX-License-Identifier: GPL-3.0-or-later
// The free move of a justified hint: uncover mine-free cells, preferring one
// after which the safe-move finder can go on.
#pragma once

#include <cstdint>

#include "game/cell_painter.h"
#include "game/game_state.h"

namespace brelvox {

// Room for every covered mine-free cell plus every covered zero cell again.
inline constexpr int kMaxCandidates = 2 * kLayerSize;

// Makes the forced clicks on the shown layer (drawn through `painter`). Each
// pass clicks the first candidate after whose uncovering the finder would
// answer anything, or else entry m - k; passes repeat until the finder can go
// on or every entry has been clicked. The trial uncoverings are worked out on
// the side, from counts kept per number cell, without copying or scanning the
// board; the probe layer is left as it was. Allocates nothing. Returns the
// number of real clicks made.
int MakeForcedMove(GameState& state, CellPainter& painter);

namespace counts {
struct LayerCounts;
}
// The same, starting from the counts that FindSafeMove left for the shown
// layer (and updating them).
int MakeForcedMove(GameState& state, CellPainter& painter, counts::LayerCounts& shownCounts);

}  // namespace brelvox
