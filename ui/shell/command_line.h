// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: --help and --version answer and end the
// program before any window system is touched; anything it does not know is a
// usage error. The window system's own options (-platform, -style, ...) pass
// through to the application object.
#pragma once

#include <optional>

namespace brelvox::ui {

// The exit code when the command line ends the program here, or nothing when
// the game should start.
std::optional<int> HandleCommandLine(int argc, char** argv);

// Exit code 1 and a line that says so when there is no display to show the
// window on: none is named (neither DISPLAY nor WAYLAND_DISPLAY) and the
// player chose no window system (QT_QPA_PLATFORM, -platform, -display).
std::optional<int> CheckForDisplay(int argc, char** argv);

}  // namespace brelvox::ui
