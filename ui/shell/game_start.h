// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's start: the command line, the window system, the
// player's language, then the main window, which builds the other three when
// first needed; it runs until the main window closes.
#pragma once

#include <functional>

namespace brelvox::ui {

class TMainWindow;

// Returns the program's exit code. `beforeShow` sees the main window once it
// is built and before it shows.
int RunGame(int argc, char** argv, const std::function<void(TMainWindow&)>& beforeShow = {});

}  // namespace brelvox::ui
