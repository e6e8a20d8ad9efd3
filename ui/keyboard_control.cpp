// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_control.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

#include "app/main_window_logic.h"

namespace {

constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

KeyboardControl::KeyboardControl(QWidget& window, brelvox::MainWindowLogic& logic,
                                 const Buttons& buttons, int boardTop)
    : QObject(&window), window_(window), logic_(logic), buttons_(buttons), boardTop_(boardTop) {}

bool KeyboardControl::CursorShown() const {
  return logic_.Controls().cursorShown;
}

int KeyboardControl::CursorCol() const {
  return logic_.Controls().cursorCol;
}

int KeyboardControl::CursorRow() const {
  return logic_.Controls().cursorRow;
}

QRect KeyboardControl::CellRect(QPoint cell) const {
  const int size = logic_.State().CellSize;
  return QRect(cell.x() * size, boardTop_ + cell.y() * size, size, size);
}

QRect KeyboardControl::CursorRect() const {
  if (!CursorShown()) return {};
  return CellRect({CursorCol(), CursorRow()});
}

void KeyboardControl::CursorMoved() {
  // The cells are measured now: the cell size may have changed since.
  if (frameCell_.x() >= 0) window_.update(CellRect(frameCell_));
  frameCell_ = CursorShown() ? QPoint(CursorCol(), CursorRow()) : QPoint(-1, -1);
  window_.update(CursorRect());
  emit CursorChanged();
}

void KeyboardControl::MoveAt(Move move, int col, int row) {
  logic_.MoveAtCell(move, col, row);
}

bool KeyboardControl::KeyPress(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & kCommandModifiers;
  const bool ctrl = mods == Qt::ControlModifier;
  const bool plain = mods == Qt::NoModifier;
  const int key = event.key();

  // Toolbar shortcuts: a click on the button, which a disabled button ignores.
  QAbstractButton* button = nullptr;
  if (ctrl && key == Qt::Key_N) button = buttons_.newButton;
  if (plain && (key == Qt::Key_P || key == Qt::Key_Pause)) button = buttons_.pauseButton;
  if (plain && key == Qt::Key_H) button = buttons_.hintButton;
  if (plain && key == Qt::Key_S) button = buttons_.soundButton;
  if (plain && key == Qt::Key_F1) button = buttons_.infoButton;
  if (ctrl && (key == Qt::Key_Plus || key == Qt::Key_Equal)) button = buttons_.upButton;
  if (ctrl && (key == Qt::Key_Minus || key == Qt::Key_Underscore)) button = buttons_.downButton;
  if (button) {
    if (!event.isAutoRepeat()) button->click();
    return true;
  }
  if (ctrl && key == Qt::Key_Q) {
    if (!event.isAutoRepeat()) window_.close();
    return true;
  }

  // The board cursor; its moves repeat while a key is held, the moves on
  // the board do not.
  static constexpr struct {
    int key;
    brelvox::CursorStep step;
  } kCursorKeys[] = {{Qt::Key_Left, brelvox::CursorStep::Left},
                     {Qt::Key_Right, brelvox::CursorStep::Right},
                     {Qt::Key_Up, brelvox::CursorStep::Up},
                     {Qt::Key_Down, brelvox::CursorStep::Down},
                     {Qt::Key_Home, brelvox::CursorStep::FirstColumn},
                     {Qt::Key_End, brelvox::CursorStep::LastColumn},
                     {Qt::Key_PageUp, brelvox::CursorStep::FirstRow},
                     {Qt::Key_PageDown, brelvox::CursorStep::LastRow}};
  for (const auto& cursorKey : kCursorKeys) {
    if (key == cursorKey.key) {
      logic_.CursorKey(cursorKey.step);
      return true;
    }
  }

  Move move;
  if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter))
    move = Move::Uncover;
  else if ((plain && key == Qt::Key_F) || (ctrl && key == Qt::Key_Space))
    move = Move::Mark;
  else if (plain && key == Qt::Key_D)
    move = Move::Chord;
  else
    return false;
  if (!event.isAutoRepeat()) logic_.MoveKey(move);
  return true;
}
