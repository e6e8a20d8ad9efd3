// SPDX-License-Identifier: GPL-3.0-or-later
// The two size buttons and the full redraw at a new cell size.
#include "app/main_window_logic.h"
#include "app/settings_file.h"
#include "app/window_geometry.h"

namespace brelvox {

namespace {

// Both tests are strict and leave out the 609 minimum width: the board at
// this size, with the frame and toolbar around it, is smaller than the screen.
bool BoardFitsScreen(const ScreenSize& screen, int cols, int rows, long long cellSize) {
  return screen.width > cols * cellSize + kOuterWidthAroundBoard &&
         screen.height > rows * cellSize + kOuterHeightAroundBoard;
}

}  // namespace

void MainWindowLogic::UpButtonClick() {
  if (state_.Rows == 0 || state_.CellSize >= MaxCellSize) return;
  if (!BoardFitsScreen(view_.GetScreenSize(), state_.Cols, state_.Rows, state_.CellSize + 1))
    return;
  ++state_.CellSize;
  state_.CellSizes[state_.CurrentLevel] = state_.CellSize;
  Relayout();
  SizeChanged();
}

void MainWindowLogic::ShrinkCellSizeToScreen() {
  // CellSizes keeps the saved size, so a larger screen later gets it back.
  const ScreenSize screen = view_.GetScreenSize();
  while (state_.CellSize > MinCellSize &&
         !BoardFitsScreen(screen, state_.Cols, state_.Rows, state_.CellSize)) {
    --state_.CellSize;
  }
}

void MainWindowLogic::DownButtonClick() {
  if (state_.Rows == 0 || state_.CellSize <= MinCellSize) return;
  --state_.CellSize;
  state_.CellSizes[state_.CurrentLevel] = state_.CellSize;
  Relayout();
  SizeChanged();
}

// The file is written at once, so that a session that never closes properly
// (the display gone, a kill) keeps its sizes. Closing writes it durably.
void MainWindowLogic::SizeChanged() {
  sizesChanged_[state_.CurrentLevel] = true;
  WriteDisplaySizes(FilePath(kSettingsFileName).string(), state_.CellSizes, sizesChanged_, false);
}

void MainWindowLogic::Relayout() {
  view_.BeginBusyCursor();
  const int size = state_.CellSize;
  SetWidth(WindowWidthFor(state_.Cols, size));
  if (!state_.Paused) SetHeight(WindowHeightFor(state_.Rows, size));
  view_.ResizeBoardPicture(state_.Cols * size, state_.Rows * size);
  view_.FitNumberFont(size);
  // A finished game shows its final picture, kept in the content layer.
  const int layer = state_.GameOver ? ContentLayer : ShownLayer;
  for (int col = 0; col < state_.Cols; ++col) {
    for (int row = 0; row < state_.Rows; ++row) {
      view_.DrawCell(state_.board.at(layer, col, row), col, row);
    }
  }
  view_.RepaintNow();
  view_.EndBusyCursor();
}

}  // namespace brelvox
