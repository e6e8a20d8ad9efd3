// SPDX-License-Identifier: GPL-3.0-or-later
// Elapsed playing time, in days as the clock keeps it, and its whole seconds.
#pragma once

#include <cmath>
#include <cstdint>

namespace brelvox {

inline constexpr double kOneSecond = 1.0 / 86400.0;

// Rounds to the nearest second, a tie going to the even number.
inline std::int32_t WholeSeconds(double elapsedDays) {
  double s = std::nearbyint(elapsedDays * 24 * 60 * 60);
  if (!(s >= -2147483648.0)) return INT32_MIN;
  if (s > 2147483647.0) return INT32_MAX;
  return static_cast<std::int32_t>(s);
}

}  // namespace brelvox
