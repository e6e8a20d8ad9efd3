// SPDX-License-Identifier: GPL-3.0-or-later
// After every move: finish a loss into its final picture, or detect a win.
#pragma once

#include "game/game_host.h"
#include "game/game_state.h"

namespace brelvox {

// Runs once after each move of a running game. GameOver = 1 on entry means the
// move uncovered a mine.
void EvaluateEnd(GameState& state, GameHost& host);

}  // namespace brelvox
