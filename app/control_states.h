// SPDX-License-Identifier: GPL-3.0-or-later
// The last state the logic gave each control; the view hears only of changes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/view.h"
#include "app/window_geometry.h"

namespace brelvox {

struct ControlStates {
  bool pauseEnabled = true;  // as designed; the create handler disables all three
  bool hintEnabled = true;
  bool timerEnabled = true;
  int interval = 1000;
  int width = kToolbarOnlyWidth;
  int height = kToolbarOnlyHeight;
  // By Display: DigHint, DigS, DigM, DigH.
  std::array<std::int32_t, kDisplayCount> values{};
  std::array<bool, kDisplayCount> visibility{true, true, true, true};

  std::int32_t& value(Display d) { return values[static_cast<int>(d)]; }
  std::int32_t value(Display d) const { return values[static_cast<int>(d)]; }
  bool& visible(Display d) { return visibility[static_cast<int>(d)]; }
  bool visible(Display d) const { return visibility[static_cast<int>(d)]; }
  std::string pauseCaption = "Pause";
  std::string soundCaption = "Silent";
  // The board cursor's frame; its cell is the last one shown.
  bool cursorShown = false;
  int cursorCol = 0;
  int cursorRow = 0;
};

}  // namespace brelvox
