// The one game's state, owned by the main window logic and passed by reference.
#pragma once

#include <array>
#include <cstdint>

#include "game/board.h"
#include "game/level_table.h"

namespace brelvox {

struct GameState {
  Board board;
  std::uint8_t CurrentLevel = 0;
  std::uint8_t GameOver = 0;
  std::uint16_t Cols = 0;
  std::uint16_t Rows = 0;
  std::uint16_t MineCount = 0;
  std::int32_t HintsLeft = 0;
  std::uint16_t CellSize = 0;
  std::array<std::int32_t, kLevelCount> CellSizes{};
  double Elapsed = 0;  // days
  std::uint8_t Paused = 0;
  std::uint8_t SoundOn = 0;
  std::uint8_t BlinkPhase = 0;
  std::int32_t AnimSteps = 0;
  std::int32_t AnimCol = 0;
  std::int32_t AnimRow = 0;
  std::uint32_t RandomState = 0;

  bool InArea(int col, int row) const { return col >= 0 && row >= 0 && col < Cols && row < Rows; }
};

}  // namespace brelvox
