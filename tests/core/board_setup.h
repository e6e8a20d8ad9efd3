// SPDX-License-Identifier: GPL-3.0-or-later
// Running games built from pictures of the board, for tests.
#pragma once

#include <string>
#include <vector>

#include "game/game_state.h"

namespace brelvox::test {

// `mines`: one string per row, '*' a mine, anything else a cell without one;
// the neighbour counts are worked out. `shown` (optional, same shape): '.'
// covered, 'F' marked, anything else uncovered. The game is running.
GameState MakeGame(const std::vector<std::string>& mines,
                   const std::vector<std::string>& shown = {});

// A layer as text, one row a line: digits, '.', 'F', '*', 'X'.
std::string LayerText(const GameState& state, int layer);

}  // namespace brelvox::test
