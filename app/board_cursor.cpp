// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/board_cursor.h"

#include <algorithm>

namespace brelvox {

void BoardCursor::Show(int cols, int rows) {
  if (!placed_) {
    col_ = cols / 2;
    row_ = rows / 2;
    placed_ = true;
  }
  shown_ = true;
}

void BoardCursor::Move(CursorStep step, int cols, int rows) {
  int col = col_;
  int row = row_;
  switch (step) {
    case CursorStep::Left:
      --col;
      break;
    case CursorStep::Right:
      ++col;
      break;
    case CursorStep::Up:
      --row;
      break;
    case CursorStep::Down:
      ++row;
      break;
    case CursorStep::FirstColumn:
      col = 0;
      break;
    case CursorStep::LastColumn:
      col = cols - 1;
      break;
    case CursorStep::FirstRow:
      row = 0;
      break;
    case CursorStep::LastRow:
      row = rows - 1;
      break;
  }
  col_ = std::clamp(col, 0, cols - 1);
  row_ = std::clamp(row, 0, rows - 1);
}

void BoardCursor::Reset() {
  shown_ = false;
  placed_ = false;
}

}  // namespace brelvox
