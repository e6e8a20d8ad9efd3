// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the font configuration on a second thread while the window system
// starts. The first text the window draws would otherwise pay for it (parsing
// every fontconfig file takes about 4 ms), and the window system's start is
// mostly spent waiting for the display server.
#pragma once

#include <thread>

class FontConfigWarmUp {
 public:
  FontConfigWarmUp();
  ~FontConfigWarmUp();
  FontConfigWarmUp(const FontConfigWarmUp&) = delete;
  FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

  // Waits until the configuration is read; Qt's own font code starts only
  // after this, so the two never work on fontconfig at the same time.
  void Finish();

 private:
  std::thread reader_;
};
