// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_widget.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>

#include "game/game_state.h"

namespace brelvox::ui {

BoardWidget::BoardWidget(const brelvox::GameState& state, BoardCursor& cursor, QWidget* parent)
    : QWidget(parent), state_(state), cursor_(cursor) {
  setObjectName(QStringLiteral("Board"));
  // Presses reach the window below, which passes every press to the logic.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(tr("Board"));
}

void BoardWidget::DrawCell(std::uint8_t code, int col, int row) {
  update(picture_.DrawCell(code, col, row));
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(this);
  QAccessibleTableInterface* table = board ? board->tableInterface() : nullptr;
  if (QAccessibleInterface* cell = table ? table->cellAt(row, col) : nullptr) {
    QAccessibleEvent event(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void BoardWidget::PaintCoveredBoard(int width, int height) {
  ResizePicture(width, height);
  const int size = picture_.CellSize();
  if (size > 0) picture_.DrawCoveredBoard(width / size, height / size);
  update();
  if (!QAccessible::isActive()) return;
  QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&event);
}

void BoardWidget::ResizePicture(int width, int height) {
  picture_.SetDevicePixelRatio(devicePixelRatioF());
  picture_.Resize(width, height);
}

bool BoardWidget::event(QEvent* event) {
  // On a screen with another device pixel ratio the board is drawn again
  // for its pixels before it shows.
  if (event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(event);
}

void BoardWidget::paintEvent(QPaintEvent*) {
  picture_.SetDevicePixelRatio(devicePixelRatioF());
  QPainter painter(this);
  painter.drawImage(0, 0, picture_.Image());
  // On the widget only, never into the picture.
  if (const auto cell = cursor_.CursorCell()) PaintCursor(painter, *cell);
}

void BoardWidget::PaintCursor(QPainter& painter, QPoint at) const {
  const int size = state_.CellSize;
  const QRect cell(at.x() * size, at.y() * size, size, size);
  // A dark and a light ring inside the cell, so the frame shows on covered,
  // uncovered and marked cells alike and a repaint of the cell repaints it.
  // Never thinner than two pixels each, so that the frame stays plain on
  // the smallest cells too.
  const int ring = qMax(2, cell.width() / 20);
  painter.setPen(Qt::NoPen);
  QRect outer = cell;
  for (const QColor& colour : {QColor(0x00, 0x00, 0xC0), QColor(0xFF, 0xFF, 0x00)}) {
    QRegion frame(outer);
    frame -= QRegion(outer.adjusted(ring, ring, -ring, -ring));
    painter.setClipRegion(frame);
    painter.fillRect(outer, colour);
    outer.adjust(ring, ring, -ring, -ring);
  }
}

void BoardWidget::CursorChanged() {
  // The cells are measured now: the cell size may have changed since.
  const int size = state_.CellSize;
  if (framed_) update(framed_->x() * size, framed_->y() * size, size, size);
  framed_ = cursor_.CursorCell();
  if (framed_) update(framed_->x() * size, framed_->y() * size, size, size);
  if (hasFocus()) TellFocus();
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  TellFocus();
}

void BoardWidget::TellFocus() {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(this);
  if (!board) return;
  if (QAccessibleInterface* cell = board->focusChild()) {
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  } else {
    QAccessibleEvent event(this, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace brelvox::ui
