// SPDX-License-Identifier: GPL-3.0-or-later
// The board in the main window, below the toolbar: it shows the board
// picture and the cursor frame over it, holds the keyboard focus, and stands
// for the board to assistive technology as a table of cells. Mouse presses
// go through it to the window, which hands every press to the logic.
#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "board/board_picture.h"

namespace brelvox {
struct GameState;
}

namespace brelvox::ui {

// The board cursor, as the board shows it and as assistive tools use it.
class BoardCursor {
 public:
  enum class Move { Uncover, Mark, Chord };

  // The cursor's cell, or nothing while it is hidden.
  virtual std::optional<QPoint> CursorCell() const = 0;
  // Makes the move on a cell that a key makes on the cursor cell.
  virtual void MoveAt(Move move, int col, int row) = 0;

 protected:
  ~BoardCursor() = default;
};

class BoardWidget : public QWidget {
  Q_OBJECT

 public:
  BoardWidget(const brelvox::GameState& state, BoardCursor& cursor, QWidget* parent);

  const brelvox::GameState& State() const { return state_; }
  BoardCursor& Cursor() const { return cursor_; }

  // Draws one cell into the picture and shows it.
  void DrawCell(std::uint8_t code, int col, int row);
  // A new all-covered picture of this logical size: every cell is new.
  void PaintCoveredBoard(int width, int height);
  // A new picture of this size, drawn next.
  void ResizePicture(int width, int height);
  void FitNumberFont(int cellSize) { picture_.FitNumberFont(cellSize); }

  // The cursor appeared, moved or hid: its old and new cells are painted again.
  void CursorChanged();

 protected:
  bool event(QEvent* event) override;  // a move to another screen
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void PaintCursor(QPainter& painter, QPoint cell) const;
  void TellFocus();

  const brelvox::GameState& state_;
  BoardCursor& cursor_;
  BoardPicture picture_;
  std::optional<QPoint> framed_;  // the cell the frame was last drawn on
};

}  // namespace brelvox::ui
