// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: --help and --version answer and end the
// program before any window system is touched; anything it does not know is a
// usage error. The window system's own options (-platform, -style, ...) pass
// through to the application object.
#pragma once

#include <optional>

// The exit code when the command line ends the program here, or nothing when
// the game should start.
std::optional<int> HandleCommandLine(int argc, char** argv);
