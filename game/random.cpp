// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/random.h"

#include <chrono>

namespace brelvox {

std::uint32_t SeedFromTimeOfDay() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto sinceMidnight = now - floor<days>(now);
  return static_cast<std::uint32_t>(duration_cast<milliseconds>(sinceMidnight).count());
}

}  // namespace brelvox
