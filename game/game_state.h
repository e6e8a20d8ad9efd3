// SPDX-License-Identifier: GPL-3.0-or-later
// The one game's state, owned by the main window logic and passed by reference.
//
// What belongs here: everything the rules need to play the game and to carry
// the session on, and nothing about how it is shown. The last value given to
// each control lives in ControlStates; the pixels live in the front end's
// board picture.
#pragma once

#include <array>
#include <cstdint>

#include "game/board.h"
#include "game/level_table.h"

namespace brelvox {

struct GameState {
  // The game in play: its board and level, and whether it has ended
  // (0 running, 1 lost or won).
  Board board;
  std::uint8_t CurrentLevel = 0;
  std::uint8_t GameOver = 0;
  std::uint16_t Cols = 0;
  std::uint16_t Rows = 0;
  std::uint16_t MineCount = 0;
  std::int32_t HintsLeft = 0;  // below zero: too many hints, the time is not scored

  // Display sizes: the cell size in use, and the one kept for each level
  // (read from and written to the settings file).
  std::uint16_t CellSize = 0;
  std::array<std::int32_t, kLevelCount> CellSizes{};

  // The clock: time played, in days, and pause. While paused the clock
  // digits blink; BlinkPhase is whether they show now.
  double Elapsed = 0;
  std::uint8_t Paused = 0;
  std::uint8_t BlinkPhase = 0;

  // The session: sound on or off, kept across games.
  std::uint8_t SoundOn = 0;

  // The hint animation: ticks left and the cell that blinks.
  std::int32_t AnimSteps = 0;
  std::int32_t AnimCol = 0;
  std::int32_t AnimRow = 0;

  // The random generator, carried from game to game.
  std::uint32_t RandomState = 0;

  bool InArea(int col, int row) const { return col >= 0 && row >= 0 && col < Cols && row < Rows; }
};

}  // namespace brelvox
