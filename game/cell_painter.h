// SPDX-License-Identifier: GPL-3.0-or-later
// How the rules show a changed cell: the one thing uncovering and the solver
// ask of the program around them.
#pragma once

#include <cstdint>

namespace brelvox {

class CellPainter {
 public:
  virtual ~CellPainter() = default;
  // Shows one cell with the picture of a cell code (board picture and window).
  virtual void DrawCell(std::uint8_t code, int col, int row) = 0;
};

}  // namespace brelvox
