// Sizes of the main window: the toolbar and the outer window around the board.
#pragma once

#include <algorithm>

namespace brelvox {

inline constexpr int ToolbarHeight = 49;
inline constexpr int MinWindowWidth = 609;
inline constexpr int PausedHeight = 74;
inline constexpr int kFrameWidth = 9;    // outer width beyond the board
inline constexpr int kFrameHeight = 76;  // outer height beyond the board (toolbar included)

inline int WindowWidthFor(int cols, int cellSize) {
  return std::max(cols * cellSize + kFrameWidth, MinWindowWidth);
}
inline int WindowHeightFor(int rows, int cellSize) {
  return rows * cellSize + kFrameHeight;
}

}  // namespace brelvox
