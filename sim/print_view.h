// SPDX-License-Identifier: GPL-3.0-or-later
// A view that prints, one event a line, what the window would show.
#pragma once

#include <cstdio>
#include <string>

#include "app/view.h"

namespace brelvox::sim {

// Answers of the modal dialogs, set by the driver's commands.
struct DialogAnswers {
  int level = -1;
  bool nameGiven = false;  // before any `name`, prompts are cancelled
  std::string name;
  ScreenSize screen;
};

class PrintView final : public View {
 public:
  PrintView(std::FILE* out, DialogAnswers& answers) : out_(out), answers_(answers) {}

  void DrawCell(std::uint8_t code, int col, int row) override;
  void PaintCoveredBoard(int width, int height) override;
  void ResizeBoardPicture(int width, int height) override;
  void FitNumberFont(int) override {}
  void RepaintNow() override {}
  void ShowBoardCursor(bool shown, int col, int row) override;
  void SetEnabled(Control control, bool enabled) override;
  void SetTimerInterval(int milliseconds) override;
  void SetDisplayValue(Display display, std::int32_t value) override;
  void SetDisplayVisible(Display display, bool visible) override;
  void SetCaption(CaptionOf control, const std::string& caption) override;
  void SetWindowWidth(int width) override;
  void SetWindowHeight(int height) override;
  void BeginBusyCursor() override {}
  void EndBusyCursor() override {}
  void PlaySound(const std::string& cue, const std::filesystem::path& file) override;
  ScreenSize GetScreenSize() override { return answers_.screen; }
  int ChooseLevel() override;
  std::string AskName() override;
  void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) override;
  void ShowHighscore() override;
  void ShowInfo() override;

  static const char* Name(Control control);
  static const char* Name(Display display);

 private:
  void Line(const std::string& text);

  std::FILE* out_;
  DialogAnswers& answers_;
};

}  // namespace brelvox::sim
