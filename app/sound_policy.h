// Which file a cue plays: the exact name, or else a regular file whose name
// matches ignoring the case of ASCII letters.
#pragma once

#include <filesystem>
#include <optional>

namespace brelvox {

std::optional<std::filesystem::path> FindWaveFile(const std::filesystem::path& directory,
                                                  const char* name);

}  // namespace brelvox
