// SPDX-License-Identifier: GPL-3.0-or-later
// What the rules of the game ask of the program around them.
#pragma once

#include <cstdint>

#include "game/cell_painter.h"

namespace brelvox {

class GameHost : public CellPainter {
 public:
  // Plays a cue if sound is on and its file is there; never fails.
  virtual void PlayCue(const char* name) = 0;
  // Disables the Pause and Hint buttons and the clock timer: the game is over.
  virtual void StopGameControls() = 0;
  // Hands a won game's time to the score table (may prompt and show the table).
  virtual void SubmitScore(int level, int seconds) = 0;
  virtual void SetHintCounter(std::int32_t value) = 0;
  // The modal "Too many hints..." box.
  virtual void ShowTooManyHints() = 0;
  virtual void BeginBusyCursor() = 0;
  virtual void EndBusyCursor() = 0;
};

}  // namespace brelvox
