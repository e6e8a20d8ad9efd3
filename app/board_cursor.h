// SPDX-License-Identifier: GPL-3.0-or-later
// The board cursor: the cell the keyboard acts on, and whether it shows.
// Each game's cursor first shows at the board's centre, and it never leaves
// the board.
#pragma once

namespace brelvox {

// A cursor key: one cell in a direction, or to an edge of the board.
enum class CursorStep { Left, Right, Up, Down, FirstColumn, LastColumn, FirstRow, LastRow };

// A move on a cell, made as the mouse makes it.
enum class CellMove { Uncover, Mark, Chord };

class BoardCursor {
 public:
  bool Shown() const { return shown_; }
  int Col() const { return col_; }
  int Row() const { return row_; }

  // Shows the cursor where it stands; in a game where it has not shown yet,
  // that is the centre of a board of `cols` by `rows` cells.
  void Show(int cols, int rows);
  // Moves the shown cursor by `step`, stopping at the edges.
  void Move(CursorStep step, int cols, int rows);
  void Hide() { shown_ = false; }
  // A new board: hidden, and the next showing starts at the centre again.
  void Reset();

 private:
  bool shown_ = false;
  bool placed_ = false;  // it has a cell on this board
  int col_ = 0;
  int row_ = 0;
};

}  // namespace brelvox
