// SPDX-License-Identifier: GPL-3.0-or-later
// The board's place in the main window: a see-through child over the board
// that holds the keyboard focus and stands for the board to assistive
// technology, as a table of cells. The window itself paints the board and
// takes the mouse presses.
#pragma once

#include <QWidget>

class KeyboardControl;

namespace brelvox {
struct GameState;
}

class BoardArea : public QWidget {
  Q_OBJECT

 public:
  BoardArea(const brelvox::GameState& state, KeyboardControl& keyboard, QWidget* parent);

  const brelvox::GameState& State() const { return state_; }
  KeyboardControl& Keyboard() const { return keyboard_; }

  // A cell was drawn with a new code.
  void CellChanged(int col, int row);
  // A new board (or new size): every cell is new.
  void BoardChanged();

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  void CursorChanged();

  const brelvox::GameState& state_;
  KeyboardControl& keyboard_;
};
