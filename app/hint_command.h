// SPDX-License-Identifier: GPL-3.0-or-later
// The hint command, its forced move and the blinking of a hinted cell.
#pragma once

#include "game/game_host.h"
#include "game/game_state.h"

namespace brelvox {

inline constexpr int kHintAnimationSteps = 10;

// A missed safe move is charged and animated; otherwise a free forced move.
void GiveHint(GameState& state, GameHost& host);

// What the Hint button runs: the hint, then the end-of-game evaluation.
void RunHintCommand(GameState& state, GameHost& host);

// One tick of the 100 ms animation timer (Animator).
void StepHintAnimation(GameState& state, GameHost& host);

}  // namespace brelvox
