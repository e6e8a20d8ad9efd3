// SPDX-License-Identifier: GPL-3.0-or-later
// A game host that records what the rules ask of the program, as text.
#pragma once

#include <string>
#include <vector>

#include "game/game_host.h"
#include "game/game_state.h"

namespace brelvox::test {

class RecordingHost : public GameHost {
 public:
  std::vector<std::string> events;
  std::vector<std::pair<int, int>> submitted;

  void DrawCell(std::uint8_t code, int col, int row) override;
  void PlayCue(const char* name) override;
  void StopGameControls() override;
  void SubmitScore(int level, int seconds) override;
  void SetHintCounter(std::int32_t value) override;
  void ShowTooManyHints() override;
  void BeginBusyCursor() override { ++busy; }
  void EndBusyCursor() override { --busy; }

  int busy = 0;
  // Events that start with `prefix`.
  std::vector<std::string> Only(const std::string& prefix) const;
  int Count(const std::string& event) const;
};

}  // namespace brelvox::test
