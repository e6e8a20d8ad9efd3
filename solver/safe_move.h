// SPDX-License-Identifier: GPL-3.0-or-later
// The safe-move finder: what a single uncovered number already settles.
#pragma once

#include <cstdint>

#include "game/game_state.h"

namespace brelvox {

// What the finder names.
enum class SafeMove : std::uint8_t {
  moveNone = 0,
  moveSafe = 1,  // a cell without a mine, not uncovered yet
  moveMine = 2,  // a covered cell that certainly holds a mine
};
using enum SafeMove;

// Looks at `layer` (shown or probe) one number cell at a time, judging marks by
// the true content. Returns the last qualifying cell in column-major order;
// `col` and `row` are written only when something is found.
SafeMove FindSafeMove(const GameState& state, int layer, int& col, int& row);

namespace counts {
struct LayerCounts;
}
// The same, leaving the neighbour counts it worked out in `counts`.
SafeMove FindSafeMove(const GameState& state, int layer, int& col, int& row,
                      counts::LayerCounts& counts);

}  // namespace brelvox
