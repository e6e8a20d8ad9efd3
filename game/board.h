// SPDX-License-Identifier: GPL-3.0-or-later
// The board: three layers of 30 x 24 cell codes in one block.
#pragma once

#include <array>
#include <cstdint>

namespace brelvox {

inline constexpr int kStride = 30;   // columns of the cell store, whatever the level
inline constexpr int kMaxRows = 24;  // rows of the cell store
inline constexpr int kLayerSize = kStride * kMaxRows;  // 720 cells per layer

// Layer numbers.
inline constexpr int ContentLayer = 0;  // what each cell really is
inline constexpr int ShownLayer = 1;    // what the player sees
inline constexpr int ProbeLayer = 2;    // scratch: where the plain search floods its trials

// Cell codes: 0..8 are neighbour counts of cells without a mine.
inline constexpr std::uint8_t cellCovered = 9;
inline constexpr std::uint8_t cellMarked = 10;
inline constexpr std::uint8_t cellMine = 11;
inline constexpr std::uint8_t cellWrongMark = 12;

// Whether a code is a neighbour count: on the shown layer, an uncovered cell.
constexpr bool IsNumber(int code) {
  return static_cast<unsigned>(code) <= 8;
}

// The eight neighbours of a cell, row by row from the top left: the order in
// which a flood fill and a chord uncover them, and so the order of drawing.
struct CellOffset {
  int col;
  int row;
};
inline constexpr CellOffset kNeighbourOffsets[8] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                                    {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

// One character per code, as the driver's dump writes a row: a digit for a
// count, '.' covered, 'F' marked, '*' a mine, 'X' a wrong mark.
inline char CellCodeChar(std::uint8_t code) {
  if (IsNumber(code)) return static_cast<char>('0' + code);
  if (code <= cellWrongMark) return ".F*X"[code - cellCovered];
  return '?';
}

struct Board {
  std::array<std::uint8_t, 3 * kLayerSize> cells{};

  std::uint8_t* layer(int l) { return cells.data() + l * kLayerSize; }
  const std::uint8_t* layer(int l) const { return cells.data() + l * kLayerSize; }
  std::uint8_t& at(int l, int col, int row) { return cells[l * kLayerSize + col + row * kStride]; }
  std::uint8_t at(int l, int col, int row) const {
    return cells[l * kLayerSize + col + row * kStride];
  }
};

}  // namespace brelvox
