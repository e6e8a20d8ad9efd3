// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the main window: the keys of the command table, and the
// cursor's frame. Every key does what a click would: shortcuts press the
// toolbar buttons (nothing while one is disabled), and the cursor keys run
// the window logic's cursor commands. A key acts once however long it is
// held, except the cursor's moves, which repeat; and a letter key acts by
// its place on the keyboard when the layout gives it no Latin letter.
#pragma once

#include <QObject>
#include <optional>

#include "app/board_cursor.h"
#include "widgets/command_table.h"
#include "window/key_events.h"

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace brelvox {
class MainWindowLogic;
}

namespace brelvox::ui {

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

  // `window` is the main window, which Ctrl+Q closes.
  KeyboardControl(QWidget& window, brelvox::MainWindowLogic& logic, const Buttons& buttons);

  // Handles a key pressed in the main window; false for keys it leaves alone.
  bool KeyPress(const QKeyEvent& event);
  void KeyRelease(const QKeyEvent& event) { held_.Released(event); }
  // The window lost the keyboard to another window or a dialog.
  void ForgetHeldKeys() { held_.Forget(); }

  using Move = brelvox::CellMove;
  // The move a key makes on a cell, through the mouse's entry point.
  void MoveAt(Move move, int col, int row);

  // The logic showed, moved or hid the cursor's frame.
  void CursorMoved();

  bool CursorShown() const;
  int CursorCol() const;
  int CursorRow() const;

 signals:
  // The cursor appeared or moved to another cell, or hid.
  void CursorChanged();

 private:
  // The command of a key, by its symbol or else by its place.
  static std::optional<Command> CommandFor(const QKeyEvent& event);
  void Run(Command command);
  QAbstractButton* ButtonOf(Command command) const;

  QWidget& window_;
  brelvox::MainWindowLogic& logic_;
  Buttons buttons_;
  HeldKeys held_;
};

}  // namespace brelvox::ui
