// SPDX-License-Identifier: GPL-3.0-or-later
// The headless driver: reads commands, runs them on the game logic, prints.
#pragma once

#include <cstdio>
#include <filesystem>

namespace brelvox::sim {

// The exit status when the commands could not be read or the output not
// written (said on stderr); the session still ends with the close handler.
inline constexpr int kFailed = 1;

// Runs a whole session like the desktop program started in `directory`.
// Returns the exit status: kFailed, else 2 if any line was malformed, else 0.
int RunSession(std::FILE* in, std::FILE* out, const std::filesystem::path& directory);

}  // namespace brelvox::sim
