// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's commands: the board cursor and the moves made at it, each
// the mouse press a player would make at the centre of the cell.
#include "app/main_window_logic.h"
#include "app/window_geometry.h"

namespace brelvox {

bool MainWindowLogic::KeysAct() const {
  return state_.Rows > 0 && state_.Cols > 0 && !state_.GameOver && !state_.Paused;
}

void MainWindowLogic::CursorKey(CursorStep step) {
  if (!KeysAct()) return;
  if (cursor_.Shown())
    cursor_.Move(step, state_.Cols, state_.Rows);
  else
    cursor_.Show(state_.Cols, state_.Rows);
  SyncCursor();
}

void MainWindowLogic::MoveKey(CellMove move) {
  if (!KeysAct()) return;
  // A move on a hidden cursor only shows it, so that no move lands unseen.
  if (!cursor_.Shown()) {
    cursor_.Show(state_.Cols, state_.Rows);
    SyncCursor();
    return;
  }
  MoveAtCell(move, cursor_.Col(), cursor_.Row());
}

void MainWindowLogic::MoveAtCell(CellMove move, int col, int row) {
  const int size = state_.CellSize;
  const int x = col * size + size / 2;
  const int y = ToolbarHeight + row * size + size / 2;
  switch (move) {
    case CellMove::Uncover:
      PressAt(kLeftButton, kLeftButton, x, y);
      break;
    case CellMove::Mark:
      PressAt(kRightButton, kRightButton, x, y);
      break;
    case CellMove::Chord:
      // The right button going down while the left is held.
      PressAt(kRightButton, kLeftButton | kRightButton, x, y);
      break;
  }
}

void MainWindowLogic::SyncCursor() {
  const bool shown = cursor_.Shown() && !state_.Paused;
  if (shown == controls_.cursorShown &&
      (!shown || (cursor_.Col() == controls_.cursorCol && cursor_.Row() == controls_.cursorRow)))
    return;
  controls_.cursorShown = shown;
  if (shown) {
    controls_.cursorCol = cursor_.Col();
    controls_.cursorRow = cursor_.Row();
  }
  view_.ShowBoardCursor(shown, controls_.cursorCol, controls_.cursorRow);
}

}  // namespace brelvox
