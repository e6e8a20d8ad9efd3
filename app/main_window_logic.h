// SPDX-License-Identifier: GPL-3.0-or-later
// The main window without its toolkit: owns the game state and runs every
// command, timer tick and mouse press. Both front ends drive this class.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "app/board_cursor.h"
#include "app/control_states.h"
#include "app/score_file.h"
#include "app/score_table.h"
#include "app/view.h"
#include "app/wave_file_finder.h"
#include "game/game_host.h"
#include "game/game_state.h"

namespace brelvox {

enum MouseButtons : unsigned { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

class MainWindowLogic final : public GameHost {
 public:
  // `directory` is where the settings, score and wave files are; empty means
  // the working directory.
  explicit MainWindowLogic(View& view, std::filesystem::path directory = {});

  // Start-up, in the order the program creates its windows.
  void FormCreate();  // main window: settings, game variables, seed
  void ReadScores();  // when the high-score window is made: reads the score file
  void FormClose();   // writes the settings file (also written at each size change)

  // Toolbar. The *IfEnabled forms are user clicks and do nothing while the
  // control is disabled; the plain handlers are what a programmatic click runs.
  void NewButtonClick();
  void SoundButtonClick();
  void InfoButtonClick();
  void PauseButtonClickIfEnabled();
  void PauseButtonClick();
  void HintButtonClickIfEnabled();
  void HintButtonClick();
  void UpButtonClick();
  void DownButtonClick();

  // Timers. TimeTimer ticks only while enabled; Animator always runs.
  void TimeTimerTimer();
  void AnimatorTimer();

  // A mouse button went down at client pixel (x, y); `held` is the set of
  // buttons down now, the new one included. A press on the board hides the
  // board cursor.
  void FormMouseDown(MouseButtons button, unsigned held, int x, int y);

  // Keyboard. The keys do nothing while paused, after the end of a game and
  // before the first. On a hidden cursor every key only shows it, where it
  // stood, or at the board's centre the first time in a game.
  void CursorKey(CursorStep step);
  // Makes `move` at the cursor, as the mouse would at the centre of its cell.
  void MoveKey(CellMove move);
  // The mouse press that makes `move` at the centre of cell (col, row); the
  // cursor stays as it is.
  void MoveAtCell(CellMove move, int col, int row);

  // The info dialog's picture was clicked: the win cue, if the sound is on.
  void PlayWinCue();

  const GameState& State() const { return state_; }
  // The generator state for the next game: the driver's seed command and
  // the seeded test builds.
  void SetRandomSeed(std::uint32_t seed) { state_.RandomState = seed; }
  const ControlStates& Controls() const { return controls_; }
  const ScoreTable& Scores() const { return scores_; }
  std::filesystem::path FilePath(const char* name) const;

  // GameHost
  void DrawCell(std::uint8_t code, int col, int row) override;
  void PlayCue(const char* name) override;
  void StopGameControls() override;
  void SubmitScore(int level, int seconds) override;
  void SetHintCounter(std::int32_t value) override;
  void ShowTooManyHints() override;
  void BeginBusyCursor() override;
  void EndBusyCursor() override;

 private:
  void NewGame(int level);
  // Lowers CellSize, not below 18, until the board fits the screen.
  void ShrinkCellSizeToScreen();
  void Relayout();
  void SizeChanged();
  // The mouse press itself, which a key makes too.
  void PressAt(MouseButtons button, unsigned held, int x, int y);
  bool KeysAct() const;
  // Tells the view of the cursor's frame, shown while the board is.
  void SyncCursor();

  void SetEnabled(Control control, bool enabled);
  void SetInterval(int ms);
  void SetValue(Display display, std::int32_t value);
  void SetVisible(Display display, bool visible);
  void SetCaption(CaptionOf control, const std::string& caption);
  void SetWidth(int width);
  void SetHeight(int height);

  View& view_;
  std::filesystem::path directory_;
  WaveFileFinder waves_;
  GameState state_;
  ControlStates controls_;
  BoardCursor cursor_;
  ScoreTable scores_;
  std::vector<ScoreEntry> unsavedScores_;  // accepted but not yet in the file
  std::array<bool, kLevelCount> sizesChanged_{};
};

}  // namespace brelvox
