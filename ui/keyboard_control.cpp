// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_control.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

#include "app/main_window_logic.h"

namespace {

constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

KeyboardControl::KeyboardControl(QWidget& window, brelvox::MainWindowLogic& logic,
                                 const Buttons& buttons, int boardTop)
    : QObject(&window), window_(window), logic_(logic), buttons_(buttons), boardTop_(boardTop) {}

bool KeyboardControl::Playing() const {
  const brelvox::GameState& s = logic_.State();
  return s.Rows > 0 && s.Cols > 0 && !s.GameOver && !s.Paused;
}

bool KeyboardControl::CursorShown() const {
  const brelvox::GameState& s = logic_.State();
  return shown_ && s.Rows > 0 && !s.Paused && s.InArea(col_, row_);
}

QRect KeyboardControl::CursorRect() const {
  if (!CursorShown()) return {};
  const int size = logic_.State().CellSize;
  return QRect(col_ * size, boardTop_ + row_ * size, size, size);
}

void KeyboardControl::PaintCursor(QPainter& painter) const {
  const QRect cell = CursorRect();
  if (cell.isEmpty()) return;
  // A dark and a light ring inside the cell, so the frame shows on covered,
  // uncovered and marked cells alike and a repaint of the cell repaints it.
  const int ring = cell.width() >= 20 ? qMax(2, cell.width() / 20) : 1;
  painter.save();
  painter.setPen(Qt::NoPen);
  QRect outer = cell;
  for (const QColor& colour : {QColor(0x00, 0x00, 0xC0), QColor(0xFF, 0xFF, 0x00)}) {
    QRegion frame(outer);
    frame -= QRegion(outer.adjusted(ring, ring, -ring, -ring));
    painter.setClipRegion(frame);
    painter.fillRect(outer, colour);
    outer.adjust(ring, ring, -ring, -ring);
  }
  painter.restore();
}

void KeyboardControl::PlaceCursor(int col, int row) {
  const brelvox::GameState& s = logic_.State();
  col = qBound(0, col, s.Cols - 1);
  row = qBound(0, row, s.Rows - 1);
  if (shown_ && col == col_ && row == row_) return;
  window_.update(CursorRect());
  shown_ = true;
  col_ = col;
  row_ = row;
  window_.update(CursorRect());
  emit CursorChanged();
}

void KeyboardControl::HideCursor() {
  if (!shown_) return;
  window_.update(CursorRect());
  shown_ = false;
  emit CursorChanged();
}

void KeyboardControl::NewBoard() {
  HideCursor();
  placed_ = false;
}

void KeyboardControl::ShowCursor() {
  // Each game's cursor starts at the board's centre.
  if (!placed_) {
    col_ = logic_.State().Cols / 2;
    row_ = logic_.State().Rows / 2;
    placed_ = true;
  }
  PlaceCursor(col_, row_);
}

void KeyboardControl::MousePressedOnBoard() {
  HideCursor();
}

void KeyboardControl::MoveAt(Move move, int col, int row) {
  const int size = logic_.State().CellSize;
  const int x = col * size + size / 2;
  const int y = boardTop_ + row * size + size / 2;
  switch (move) {
    case Move::Uncover:
      logic_.FormMouseDown(brelvox::kLeftButton, brelvox::kLeftButton, x, y);
      break;
    case Move::Mark:
      logic_.FormMouseDown(brelvox::kRightButton, brelvox::kRightButton, x, y);
      break;
    case Move::Chord:
      // The right button going down while the left is held.
      logic_.FormMouseDown(brelvox::kRightButton, brelvox::kLeftButton | brelvox::kRightButton, x,
                           y);
      break;
  }
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

  // The board cursor.
  const brelvox::GameState& s = logic_.State();
  int col = col_;
  int row = row_;
  bool cursorKey = true;
  switch (key) {
    case Qt::Key_Left:
      --col;
      break;
    case Qt::Key_Right:
      ++col;
      break;
    case Qt::Key_Up:
      --row;
      break;
    case Qt::Key_Down:
      ++row;
      break;
    case Qt::Key_Home:
      col = 0;
      break;
    case Qt::Key_End:
      col = s.Cols - 1;
      break;
    case Qt::Key_PageUp:
      row = 0;
      break;
    case Qt::Key_PageDown:
      row = s.Rows - 1;
      break;
    default:
      cursorKey = false;
  }
  if (cursorKey) {
    if (!Playing()) return true;
    // A cursor key on a hidden cursor shows it where it stands.
    if (shown_)
      PlaceCursor(col, row);
    else
      ShowCursor();
    return true;
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
  if (event.isAutoRepeat() || !Playing()) return true;
  // A move key on a hidden cursor only shows it, so no move lands unseen.
  if (!shown_) {
    ShowCursor();
    return true;
  }
  MoveAt(move, col_, row_);
  return true;
}
