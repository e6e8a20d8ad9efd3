// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_area.h"

#include "accessible.h"
#include "keyboard_control.h"

BoardArea::BoardArea(const brelvox::GameState& state, KeyboardControl& keyboard, QWidget* parent)
    : QWidget(parent), state_(state), keyboard_(keyboard) {
  setObjectName(QStringLiteral("Board"));
  // The mouse reaches the window below, exactly as without this child.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(tr("Board"));
  connect(&keyboard_, &KeyboardControl::CursorChanged, this, [this] { CursorChanged(); });
}

void BoardArea::CellChanged(int col, int row) {
  BoardAccessible::CellChanged(this, col, row);
}

void BoardArea::BoardChanged() {
  BoardAccessible::BoardChanged(this);
}

void BoardArea::CursorChanged() {
  if (hasFocus()) BoardAccessible::FocusChanged(this);
}

void BoardArea::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  BoardAccessible::FocusChanged(this);
}
