// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the toolbar with its buttons and digit displays, and the
// board below it. It paints and forwards events; the game itself lives in
// brelvox::MainWindowLogic.
#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "app/main_window_logic.h"
#include "app/view.h"
#include "app/wave_sound.h"
#include "board_picture.h"

class BoardArea;
class KeyboardControl;
class QTimer;
class BevelPanel;
class CueOutput;
class GlyphButton;
class THighscore;
class TInfo;
class TLevelChoose;
class TVexDigital;

class TMainWindow : public QWidget, public brelvox::View {
  Q_OBJECT

 public:
  // `directory` holds the settings, score and wave files; empty means the
  // working directory.
  explicit TMainWindow(const std::filesystem::path& directory = {}, QWidget* parent = nullptr);
  ~TMainWindow() override;

  // The windows created after this one, which the commands show.
  void SetDialogs(TLevelChoose* levelChoose, TInfo* info, THighscore* highscore);
  // Instead of SetDialogs: this window builds and keeps each of the other
  // windows the first time a command shows it, so start-up does not pay for
  // them. The score file is read now, as the high-score window's creation does.
  void CreateDialogsWhenNeeded();

  brelvox::MainWindowLogic& Logic() { return logic_; }
  // Plays the cues through `output` instead of loading the cue module.
  void UseCueOutput(std::unique_ptr<CueOutput> output);
  const BoardPicture& Image() const { return image_; }
  const KeyboardControl& Keyboard() const { return *keyboard_; }

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
  bool event(QEvent* event) override;                 // a move to another screen
  void paintEvent(QPaintEvent* event) override;       // copies the board picture
  void mousePressEvent(QMouseEvent* event) override;  // moves on the board
  void closeEvent(QCloseEvent* event) override;       // saves the settings
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;  // shortcuts and the board cursor

 private:
  void CreateToolbar();
  void CreateKeyboard();
  TVexDigital* Display(brelvox::Display display) const;
  // The dialogs, built here on first use after CreateDialogsWhenNeeded.
  TLevelChoose* LevelChooser();
  TInfo* InfoWindow();
  THighscore* HighscoreWindow();

  // The widgets, by their established names (also their objectNames).
  BevelPanel* Panel1;
  GlyphButton* NewButton;
  GlyphButton* SoundButton;
  GlyphButton* InfoButton;
  GlyphButton* PauseButton;
  GlyphButton* HintButton;
  TVexDigital* DigHint;
  BevelPanel* Panel3;
  TVexDigital* DigH;
  TVexDigital* DigM;
  TVexDigital* DigS;
  GlyphButton* UpButton;
  GlyphButton* DownButton;
  QTimer* TimeTimer;
  QTimer* Animator;

  BoardPicture image_;
  brelvox::WaveCache waves_;
  std::unique_ptr<CueOutput> player_;
  bool playerLoaded_ = false;  // loading was tried; player_ may still be null
  TLevelChoose* levelChoose_ = nullptr;
  TInfo* info_ = nullptr;
  THighscore* highscore_ = nullptr;
  bool buildDialogs_ = false;
  brelvox::MainWindowLogic logic_;
  KeyboardControl* keyboard_ = nullptr;
  BoardArea* boardArea_ = nullptr;
};
