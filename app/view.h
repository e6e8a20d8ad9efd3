// SPDX-License-Identifier: GPL-3.0-or-later
// The narrow interface through which the game logic shows itself. The desktop
// program implements it with widgets; brelvox-sim implements it by printing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace brelvox {

enum class Control { PauseButton, HintButton, TimeTimer };
enum class Display { DigHint, DigS, DigM, DigH };
inline constexpr int kDisplayCount = static_cast<int>(Display::DigH) + 1;
enum class CaptionOf { PauseButton, SoundButton };
enum class MessageIcon { None, Error };

struct ScreenSize {
  int width = 1920;
  int height = 1080;
};

class View {
 public:
  virtual ~View() = default;

  // Board picture.
  virtual void DrawCell(std::uint8_t code, int col, int row) = 0;
  // Sizes the off-screen board picture and paints it all covered (new game).
  virtual void PaintCoveredBoard(int width, int height) = 0;
  // Resizes the off-screen board picture after a display-size change; a full
  // redraw of every cell follows.
  virtual void ResizeBoardPicture(int width, int height) = 0;
  // Chooses the number font and the cell pictures for a cell size.
  virtual void FitNumberFont(int cellSize) = 0;
  // Repaints the window at once from the board picture.
  virtual void RepaintNow() = 0;
  // The board cursor: a frame over cell (col, row), drawn on the window and
  // never into the board picture; none when `shown` is false. Called only
  // when the frame appears, moves or goes.
  virtual void ShowBoardCursor(bool shown, int col, int row) = 0;

  // Controls. The logic calls these only when a value really changes.
  virtual void SetEnabled(Control control, bool enabled) = 0;
  virtual void SetTimerInterval(int milliseconds) = 0;
  virtual void SetDisplayValue(Display display, std::int32_t value) = 0;
  virtual void SetDisplayVisible(Display display, bool visible) = 0;
  virtual void SetCaption(CaptionOf control, const std::string& caption) = 0;
  // Outer window sizes, frame and caption included.
  virtual void SetWindowWidth(int width) = 0;
  virtual void SetWindowHeight(int height) = 0;

  // The application-wide wait cursor; calls nest.
  virtual void BeginBusyCursor() = 0;
  virtual void EndBusyCursor() = 0;

  // Starts playing a wave file; `cue` is the name the game asked for and
  // `file` the file found for it. Must never block or fail.
  virtual void PlaySound(const std::string& cue, const std::filesystem::path& file) = 0;

  // The full primary screen, used by the display-size buttons.
  virtual ScreenSize GetScreenSize() = 0;

  // Modal dialogs. Timers may fire while they are open.
  // The level chooser: returns 0..3, or -1 for Cancel.
  virtual int ChooseLevel() = 0;
  // The "New highscore!" prompt: the typed name, or "" when cancelled.
  virtual std::string AskName() = 0;
  virtual void ShowMessage(const std::string& caption, const std::string& text,
                           MessageIcon icon) = 0;
  // The high-score window; its texts come from the logic's score table.
  virtual void ShowHighscore() = 0;
  // The info dialog (its Scores button and picture call back into the logic).
  virtual void ShowInfo() = 0;
};

}  // namespace brelvox
