// The main window: the toolbar with its buttons and digit displays, and the
// board below it. It paints and forwards events; the game itself lives in
// brelvox::MainWindowLogic.
#pragma once

#include <QWidget>
#include <filesystem>
#include <string>

#include "app/main_window_logic.h"
#include "app/view.h"
#include "board_picture.h"

class QSoundEffect;
class QTimer;
class TBevelPanel;
class TGlyphButton;
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

  brelvox::MainWindowLogic& Logic() { return logic_; }
  const TBoardPicture& Image() const { return image_; }

  static constexpr int kToolbarHeight = 49;
  // Outer window sizes are for a frame this much larger than the client area.
  static constexpr int kFrameWidth = 6;
  static constexpr int kFrameHeight = 24;

  TBevelPanel* Panel1;
  TGlyphButton* NewButton;
  TGlyphButton* SoundButton;
  TGlyphButton* InfoButton;
  TGlyphButton* PauseButton;
  TGlyphButton* HintButton;
  TVexDigital* DigHint;
  TBevelPanel* Panel3;
  TVexDigital* DigH;
  TVexDigital* DigM;
  TVexDigital* DigS;
  TGlyphButton* UpButton;
  TGlyphButton* DownButton;
  QTimer* TimeTimer;
  QTimer* Animator;

  // brelvox::View
  void DrawCell(std::uint8_t code, int col, int row) override;
  void PaintCoveredBoard(int width, int height) override;
  void ResizeBoardPicture(int width, int height) override;
  void FitNumberFont(int cellSize) override;
  void RepaintNow() override;
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
  void paintEvent(QPaintEvent* event) override;       // copies the board picture
  void mousePressEvent(QMouseEvent* event) override;  // moves on the board
  void closeEvent(QCloseEvent* event) override;       // saves the settings
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateToolbar();
  TVexDigital* Display(brelvox::Display display) const;

  TBoardPicture image_;
  QSoundEffect* player_ = nullptr;
  TLevelChoose* levelChoose_ = nullptr;
  TInfo* info_ = nullptr;
  THighscore* highscore_ = nullptr;
  brelvox::MainWindowLogic logic_;
};
