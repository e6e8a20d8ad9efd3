// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the font configuration on a second thread while the window system
// starts. The first text the window draws would otherwise pay for it (parsing
// every fontconfig file takes about 4 ms), and the window system's start is
// mostly spent waiting for the display server.
#pragma once

#include <thread>

namespace brelvox::ui {

// Join the thread before Qt's own font code runs (before the first window is
// shown), so that the two never work on fontconfig at the same time.
std::jthread ReadFontConfigInBackground();

}  // namespace brelvox::ui
