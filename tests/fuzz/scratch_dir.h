// SPDX-License-Identifier: GPL-3.0-or-later
// A private folder for the fuzzers' files, on a memory file system when there
// is one, removed when the fuzzer exits.
#pragma once

#include <string>
#include <string_view>

namespace fuzz {

// The folder, created at the first call.
const std::string& ScratchDir();
// Writes `content` as the whole file `name` in the folder; returns its path.
std::string ScratchFile(const char* name, std::string_view content);

}  // namespace fuzz
