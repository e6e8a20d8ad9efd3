// SPDX-License-Identifier: GPL-3.0-or-later
// The New and Info commands: each holds the game in pause around its dialog.
#include "app/main_window_logic.h"
#include "app/window_geometry.h"
#include "game/new_game.h"

namespace brelvox {

void MainWindowLogic::NewButtonClick() {
  if (!state_.Paused) PauseButtonClick();
  const int chosen = view_.ChooseLevel();
  if (chosen > -1) {
    state_.Elapsed = 0;
    NewGame(chosen & 0xFF);
    HintButtonClick();  // the opening move, while still paused
  }
  PauseButtonClick();  // toggles: the game is out of pause afterwards
}

void MainWindowLogic::NewGame(int level) {
  SetEnabled(Control::PauseButton, true);
  SetEnabled(Control::HintButton, true);
  SetEnabled(Control::TimeTimer, true);
  StartLevel(state_, level);
  ShrinkCellSizeToScreen();
  SetWidth(WindowWidthFor(state_.Cols, state_.CellSize));
  SetHeight(WindowHeightFor(state_.Rows, state_.CellSize));
  view_.FitNumberFont(state_.CellSize);
  SetValue(Display::DigHint, state_.HintsLeft);
  SetValue(Display::DigS, 0);
  SetValue(Display::DigM, 0);
  SetValue(Display::DigH, 0);
  PlaceMines(state_);
  cursor_.Reset();
  SyncCursor();
  view_.PaintCoveredBoard(state_.Cols * state_.CellSize, state_.Rows * state_.CellSize);
}

void MainWindowLogic::InfoButtonClick() {
  // Programmatic clicks: they run even while the Pause button is disabled.
  if (!state_.Paused) PauseButtonClick();
  view_.ShowInfo();
  PauseButtonClick();
}

}  // namespace brelvox
