// SPDX-License-Identifier: GPL-3.0-or-later
// Setting up a game: the level's parameters and the mine layout.
#pragma once

#include "game/game_state.h"

namespace brelvox {

// Copies the level's columns, rows, mines and hints into the state, starts the
// game running and takes the level's cell size. Any hint animation of the
// previous game stops here, so its move never lands on the new board.
void StartLevel(GameState& state, int level);

// Covers the game area and places MineCount mines uniformly at random, with
// the neighbour count of every other cell.
void PlaceMines(GameState& state);

}  // namespace brelvox
