// The headless driver: reads commands, runs them on the game logic, prints.
#pragma once

#include <cstdio>
#include <filesystem>

namespace brelvox::sim {

// Runs a whole session like the desktop program started in `directory`.
// Returns the exit status: 2 if any line was malformed, else 0.
int RunSession(std::FILE* in, std::FILE* out, const std::filesystem::path& directory);

}  // namespace brelvox::sim
