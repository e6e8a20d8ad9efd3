// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/print_view.h"

namespace brelvox::sim {

const char* PrintView::Name(Control control) {
  switch (control) {
    case Control::PauseButton:
      return "PauseButton";
    case Control::HintButton:
      return "HintButton";
    case Control::TimeTimer:
      return "TimeTimer";
  }
  return "";
}

const char* PrintView::Name(Display display) {
  switch (display) {
    case Display::DigHint:
      return "DigHint";
    case Display::DigS:
      return "DigS";
    case Display::DigM:
      return "DigM";
    case Display::DigH:
      return "DigH";
  }
  return "";
}

void PrintView::Line(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), out_);
  std::fputc('\n', out_);
}

void PrintView::DrawCell(std::uint8_t code, int col, int row) {
  std::fprintf(out_, "draw %d %d %d\n", code, col, row);
}

void PrintView::PaintCoveredBoard(int width, int height) {
  std::fprintf(out_, "covered %d %d\n", width, height);
}

void PrintView::ResizeBoardPicture(int width, int height) {
  std::fprintf(out_, "bitmap %d %d\n", width, height);
}

void PrintView::ShowBoardCursor(bool shown, int col, int row) {
  if (shown)
    std::fprintf(out_, "cursor %d %d\n", col, row);
  else
    Line("cursor hidden");
}

void PrintView::SetEnabled(Control control, bool enabled) {
  std::fprintf(out_, "enabled %s %d\n", Name(control), enabled ? 1 : 0);
}

void PrintView::SetTimerInterval(int milliseconds) {
  std::fprintf(out_, "interval %d\n", milliseconds);
}

void PrintView::SetDisplayValue(Display display, std::int32_t value) {
  std::fprintf(out_, "value %s %d\n", Name(display), static_cast<int>(value));
}

void PrintView::SetDisplayVisible(Display display, bool visible) {
  std::fprintf(out_, "visible %s %d\n", Name(display), visible ? 1 : 0);
}

void PrintView::SetCaption(CaptionOf control, const std::string& caption) {
  Line(std::string("caption ") +
       (control == CaptionOf::PauseButton ? "PauseButton " : "SoundButton ") + caption);
}

void PrintView::SetWindowWidth(int width) {
  std::fprintf(out_, "width %d\n", width);
}

void PrintView::SetWindowHeight(int height) {
  std::fprintf(out_, "height %d\n", height);
}

void PrintView::PlaySound(const std::string& cue, const std::filesystem::path&) {
  Line("cue " + cue);
}

int PrintView::ChooseLevel() {
  Line("chooser");
  return answers_.level;
}

std::string PrintView::AskName() {
  Line("prompt");
  return answers_.nameGiven ? answers_.name : std::string();
}

void PrintView::ShowMessage(const std::string&, const std::string& text, MessageIcon) {
  std::string line = "message ";
  for (char ch : text) {
    if (ch == '\r') {
      line += "\\r";
    } else {
      line += ch;
    }
  }
  Line(line);
}

void PrintView::ShowHighscore() {
  Line("highscore");
}

void PrintView::ShowInfo() {
  Line("info");
}

}  // namespace brelvox::sim
