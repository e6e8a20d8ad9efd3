// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the main window: the toolbar shortcuts and the board
// cursor. Every key does what a click would: shortcuts press the toolbar
// buttons (nothing while one is disabled), and the cursor keys make the
// mouse press a player would make at the centre of the cursor cell.
#pragma once

#include <QObject>
#include <QRect>

class QAbstractButton;
class QKeyEvent;
class QPainter;
class QWidget;

namespace brelvox {
class MainWindowLogic;
}

class KeyboardControl : public QObject {
  Q_OBJECT

 public:
  // The toolbar buttons that the shortcuts press.
  struct Buttons {
    QAbstractButton* newButton;
    QAbstractButton* soundButton;
    QAbstractButton* infoButton;
    QAbstractButton* pauseButton;
    QAbstractButton* hintButton;
    QAbstractButton* upButton;
    QAbstractButton* downButton;
  };

  // `window` is the main window: Ctrl+Q closes it, and the cursor frame is
  // painted on it `boardTop` pixels below the top of its client area.
  KeyboardControl(QWidget& window, brelvox::MainWindowLogic& logic, const Buttons& buttons,
                  int boardTop);

  // Handles a key pressed in the main window; false for keys it leaves alone.
  bool KeyPress(const QKeyEvent& event);

  enum class Move { Uncover, Mark, Chord };
  // The move a key makes on a cell, through the mouse's entry point.
  void MoveAt(Move move, int col, int row);

  // A new board: the cursor hides until the next arrow key.
  void NewBoard();
  // A mouse press on the board hides the cursor.
  void MousePressedOnBoard();

  bool CursorShown() const;
  int CursorCol() const { return col_; }
  int CursorRow() const { return row_; }
  // The cursor frame's cell in client coordinates; empty while hidden.
  QRect CursorRect() const;
  // Draws the cursor frame over the board that the window has just shown.
  void PaintCursor(QPainter& painter) const;

 signals:
  // The cursor appeared or moved to another cell, or hid.
  void CursorChanged();

 private:
  bool Playing() const;
  void ShowCursor();
  void PlaceCursor(int col, int row);
  void HideCursor();

  QWidget& window_;
  brelvox::MainWindowLogic& logic_;
  Buttons buttons_;
  int boardTop_;
  bool shown_ = false;
  bool placed_ = false;  // the cursor has a cell in this game
  int col_ = 0;
  int row_ = 0;
};
