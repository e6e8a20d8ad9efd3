// SPDX-License-Identifier: GPL-3.0-or-later
// The game's random generator: a 32-bit linear congruential sequence.
#pragma once

#include <cstdint>

namespace brelvox {

// Milliseconds since midnight UTC, the start of the sequence for one run.
std::uint32_t SeedFromTimeOfDay();

// Advances the state and returns a number 0 .. n-1 (n > 0).
inline std::uint32_t RandomBelow(std::uint32_t& state, std::uint32_t n) {
  state = state * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state) * n) >> 32);
}

}  // namespace brelvox
