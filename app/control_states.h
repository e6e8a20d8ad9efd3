// The last state the logic gave each control; the view hears only of changes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/window_geometry.h"

namespace brelvox {

struct ControlStates {
  bool pauseEnabled = true;  // as designed; the create handler disables all three
  bool hintEnabled = true;
  bool timerEnabled = true;
  int interval = 1000;
  int width = kDesignWidth;
  int height = kDesignHeight;
  std::array<std::int32_t, 4> values{};  // DigHint, DigS, DigM, DigH
  std::array<bool, 4> visible{true, true, true, true};
  std::string pauseCaption = "Pause";
  std::string soundCaption = "Silent";
};

}  // namespace brelvox
