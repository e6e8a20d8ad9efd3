// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the toolbar with its buttons and digit displays, and the
// board below it. It forwards input and timer ticks to the game logic
// (brelvox::MainWindowLogic) and carries out what the logic asks of its view.
#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "app/main_window_logic.h"
#include "app/view.h"
#include "app/wave_sound.h"
#include "sound/cue_thread.h"

class QTimer;

namespace brelvox::ui {

class BoardWidget;
class KeyboardControl;
class KeyboardCursor;
class Narrator;

class THighscore;
class TInfo;
class TLevelChoose;
class Toolbar;

class TMainWindow : public QWidget, public brelvox::View {
  Q_OBJECT

 public:
  // `directory` holds the settings, score and wave files; empty means the
  // working directory.
  explicit TMainWindow(const std::filesystem::path& directory = {}, QWidget* parent = nullptr);
  ~TMainWindow() override;

  brelvox::MainWindowLogic& Logic() { return logic_; }

  // The logic sets outer window sizes; the window manager's frame and caption
  // are taken to add this much to the client area.
  static constexpr int kDecorationWidth = 6;
  static constexpr int kDecorationHeight = 24;

  // brelvox::View
  void DrawCell(std::uint8_t code, int col, int row) override;
  void PaintCoveredBoard(int width, int height) override;
  void ResizeBoardPicture(int width, int height) override;
  void FitNumberFont(int cellSize) override;
  void RepaintNow() override;
  void ShowBoardCursor(bool shown, int col, int row) override;
  void SetEnabled(brelvox::Control control, bool enabled) override;
  void SetTimerInterval(int milliseconds) override;
  void SetDisplayValue(brelvox::Display display, std::int32_t value) override;
  void SetDisplayVisible(brelvox::Display display, bool visible) override;
  void SetCaption(brelvox::CaptionOf control, const std::string& caption) override;
  void SetWindowWidth(int width) override;
  void SetWindowHeight(int height) override;
  void BeginBusyCursor() override;
  void EndBusyCursor() override;
  void PlaySound(const std::string& cue, const std::filesystem::path& file) override;
  brelvox::ScreenSize GetScreenSize() override;
  int ChooseLevel() override;
  std::string AskName() override;
  void ShowMessage(const std::string& caption, const std::string& text,
                   brelvox::MessageIcon icon) override;
  void ShowHighscore() override;
  void ShowInfo() override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;  // moves on the board
  void closeEvent(QCloseEvent* event) override;       // saves the settings
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;  // shortcuts and the board cursor
  void keyReleaseEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;  // the keyboard goes to another window

 private:
  void ConnectToolbar();
  void CreateKeyboardAndBoard();
  void CreateTimers();
  // The dialogs, each built the first time a command shows it, so that
  // start-up does not pay for them.
  TLevelChoose* LevelChooser();
  TInfo* InfoWindow();
  THighscore* HighscoreWindow();

  // The widgets and timers, by their established names (also their objectNames).
  Toolbar* Panel1;
  QTimer* TimeTimer;
  QTimer* Animator;

  brelvox::WaveCache waves_;
  CueThread cues_;  // loads the cue module at the first cue
  TLevelChoose* levelChoose_ = nullptr;
  TInfo* info_ = nullptr;
  THighscore* highscore_ = nullptr;
  brelvox::MainWindowLogic logic_;
  KeyboardControl* keyboard_ = nullptr;
  std::unique_ptr<KeyboardCursor> cursor_;
  BoardWidget* board_ = nullptr;
  Narrator* narrator_ = nullptr;  // what a screen reader hears of each move
};

}  // namespace brelvox::ui
