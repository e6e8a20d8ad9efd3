// SPDX-License-Identifier: GPL-3.0-or-later
// A whole program session without a window: the game logic behind the
// driver's printing view, with its events collected as text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/main_window_logic.h"
#include "sim/print_view.h"

namespace brelvox::test {

// A fresh folder under the system's temporary directory, removed at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::filesystem::path& path() const { return path_; }
  std::string Read(const char* name) const;
  void Write(const char* name, const std::string& content) const;
  // The six cue files (their content does not matter to the logic).
  void WriteWaves() const;

 private:
  std::filesystem::path path_;
};

class Session {
 public:
  // Every session plays the boards of one seed, so that a failure repeats.
  explicit Session(const std::filesystem::path& dir, std::uint32_t seed = 20261208);
  ~Session();

  // Events printed since the last call.
  std::string Take();
  // Clicks every mine-free cell and marks every mine of the running game.
  void Win();
  void Press(MouseButtons button, unsigned held, int col, int row);

  sim::DialogAnswers answers;
  MainWindowLogic& logic() { return *logic_; }

 private:
  char* buffer_ = nullptr;
  std::size_t length_ = 0;
  std::size_t taken_ = 0;
  std::FILE* out_;
  sim::PrintView view_;
  MainWindowLogic* logic_;
};

}  // namespace brelvox::test
