// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes of the main window: the toolbar and the outer window around the board.
#pragma once

#include <algorithm>

namespace brelvox {

// The toolbar's height: the board starts this far below the top of the client area.
inline constexpr int ToolbarHeight = 49;
// Outer sizes, frame and caption included.
inline constexpr int kMinWindowWidth = 609;
inline constexpr int PausedHeight = 74;
// The outer size before the first game: the toolbar alone.
inline constexpr int kToolbarOnlyWidth = kMinWindowWidth;
inline constexpr int kToolbarOnlyHeight = 73;
inline constexpr int kOuterWidthAroundBoard = 9;  // outer width beyond the board
inline constexpr int kOuterHeightAroundBoard =
    76;  // outer height beyond the board, toolbar included

inline int WindowWidthFor(int cols, int cellSize) {
  return std::max(cols * cellSize + kOuterWidthAroundBoard, kMinWindowWidth);
}
inline int WindowHeightFor(int rows, int cellSize) {
  return rows * cellSize + kOuterHeightAroundBoard;
}

}  // namespace brelvox
