// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock and the pause command that hides the board.
#include "app/main_window_logic.h"
#include "app/window_geometry.h"
#include "game/clock_time.h"

namespace brelvox {

void MainWindowLogic::TimeTimerTimer() {
  if (!controls_.timerEnabled) return;
  if (state_.Paused) {
    state_.BlinkPhase = !state_.BlinkPhase;
    SetVisible(Display::DigS, state_.BlinkPhase);
    SetVisible(Display::DigM, state_.BlinkPhase);
    SetVisible(Display::DigH, state_.BlinkPhase);
    return;
  }
  state_.Elapsed += kOneSecond;
  const std::int32_t t = WholeSeconds(state_.Elapsed);
  SetValue(Display::DigS, t % 60);
  SetValue(Display::DigM, (t / 60) % 60);
  SetValue(Display::DigH, (t / 3600) % 99);  // the hours display wraps after 98
}

void MainWindowLogic::PauseButtonClickIfEnabled() {
  if (controls_.pauseEnabled) PauseButtonClick();
}

void MainWindowLogic::PauseButtonClick() {
  state_.Paused = !state_.Paused;
  if (state_.Paused) {
    SetInterval(300);
    SetCaption(CaptionOf::PauseButton, "Play");
    SetEnabled(Control::HintButton, false);
    SetHeight(PausedHeight);
    SyncCursor();
    return;
  }
  SetInterval(1000);
  SetVisible(Display::DigS, true);
  SetVisible(Display::DigM, true);
  SetVisible(Display::DigH, true);
  SetCaption(CaptionOf::PauseButton, "Pause");
  if (!state_.GameOver) SetEnabled(Control::HintButton, true);
  SetHeight(state_.Rows == 0 ? PausedHeight : WindowHeightFor(state_.Rows, state_.CellSize));
  SyncCursor();
}

}  // namespace brelvox
