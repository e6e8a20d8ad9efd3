// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window_logic.h"

#include "app/hint_command.h"
#include "app/score_file.h"
#include "app/settings_file.h"
#include "game/random.h"

namespace brelvox {

MainWindowLogic::MainWindowLogic(View& view, std::filesystem::path directory)
    : view_(view), directory_(std::move(directory)), waves_(directory_) {}

std::filesystem::path MainWindowLogic::FilePath(const char* name) const {
  return directory_ / name;
}

void MainWindowLogic::FormCreate() {
  state_.CellSizes = ReadDisplaySizes(FilePath(kSettingsFileName).string());
  state_.AnimSteps = 0;
  state_.AnimCol = 0;
  state_.AnimRow = 0;
  state_.Elapsed = 0;
  state_.SoundOn = 1;
  state_.Paused = 0;
  state_.BlinkPhase = 1;
  state_.CellSize = static_cast<std::uint16_t>(state_.CellSizes[0]);
  state_.CurrentLevel = 0;
  view_.FitNumberFont(state_.CellSize);
  SetEnabled(Control::PauseButton, false);
  SetEnabled(Control::HintButton, false);
  SetEnabled(Control::TimeTimer, false);
  state_.GameOver = 1;
  state_.RandomState = SeedFromTimeOfDay();
}

void MainWindowLogic::ReadScores() {
  scores_ = ReadScoreFile(FilePath(kScoreFileName).string());
}

void MainWindowLogic::FormClose() {
  // Entries a busy lock kept out of the file get a last try, without a word.
  if (!unsavedScores_.empty()) {
    RecordScores(FilePath(kScoreFileName).string(), unsavedScores_, scores_);
  }
  WriteDisplaySizes(FilePath(kSettingsFileName).string(), state_.CellSizes, sizesChanged_);
}

void MainWindowLogic::SoundButtonClick() {
  state_.SoundOn = 1 - state_.SoundOn;
  SetCaption(CaptionOf::SoundButton, state_.SoundOn ? "Silent" : "Sound");
}

void MainWindowLogic::HintButtonClickIfEnabled() {
  if (controls_.hintEnabled) HintButtonClick();
}

void MainWindowLogic::HintButtonClick() {
  RunHintCommand(state_, *this);
}

void MainWindowLogic::AnimatorTimer() {
  StepHintAnimation(state_, *this);
}

void MainWindowLogic::PlayWinCue() {
  PlayCue("Win.wav");
}

// --- GameHost ---

void MainWindowLogic::DrawCell(std::uint8_t code, int col, int row) {
  view_.DrawCell(code, col, row);
}

void MainWindowLogic::PlayCue(const char* name) {
  if (!state_.SoundOn) return;
  if (const auto file = waves_.Find(name)) view_.PlaySound(name, *file);
}

void MainWindowLogic::StopGameControls() {
  SetEnabled(Control::PauseButton, false);
  SetEnabled(Control::HintButton, false);
  SetEnabled(Control::TimeTimer, false);
}

void MainWindowLogic::SubmitScore(int level, int seconds) {
  const std::string path = FilePath(kScoreFileName).string();
  // Other games in this folder may have recorded better times since the file
  // was read: the name is asked for only when the time beats the table now.
  RefreshScores(path, unsavedScores_, scores_);
  if (scores_.Qualifies(level, seconds)) {
    const std::string name = CleanName(view_.AskName());
    scores_.Insert(level, seconds, name);
    unsavedScores_.push_back({level, seconds, name});
    if (!RecordScores(path, unsavedScores_, scores_)) {
      view_.ShowMessage("Error", kScoreWriteError, MessageIcon::Error);
    }
  }
  view_.ShowHighscore();
}

void MainWindowLogic::SetHintCounter(std::int32_t value) {
  SetValue(Display::DigHint, value);
}

void MainWindowLogic::ShowTooManyHints() {
  view_.ShowMessage("Too many hints...",
                    "Too many unjustified hints!\rYou can go on playing, but you will not "
                    "appear in the highscore.",
                    MessageIcon::None);
}

void MainWindowLogic::BeginBusyCursor() {
  view_.BeginBusyCursor();
}
void MainWindowLogic::EndBusyCursor() {
  view_.EndBusyCursor();
}

// --- Controls: the view hears only of real changes ---

void MainWindowLogic::SetEnabled(Control control, bool enabled) {
  bool& current = control == Control::PauseButton  ? controls_.pauseEnabled
                  : control == Control::HintButton ? controls_.hintEnabled
                                                   : controls_.timerEnabled;
  if (current == enabled) return;
  current = enabled;
  view_.SetEnabled(control, enabled);
}

void MainWindowLogic::SetInterval(int ms) {
  if (controls_.interval == ms) return;
  controls_.interval = ms;
  view_.SetTimerInterval(ms);
}

void MainWindowLogic::SetValue(Display display, std::int32_t value) {
  std::int32_t& current = controls_.value(display);
  if (current == value) return;
  current = value;
  view_.SetDisplayValue(display, value);
}

void MainWindowLogic::SetVisible(Display display, bool visible) {
  bool& current = controls_.visible(display);
  if (current == visible) return;
  current = visible;
  view_.SetDisplayVisible(display, visible);
}

void MainWindowLogic::SetCaption(CaptionOf control, const std::string& caption) {
  std::string& current =
      control == CaptionOf::PauseButton ? controls_.pauseCaption : controls_.soundCaption;
  if (current == caption) return;
  current = caption;
  view_.SetCaption(control, caption);
}

void MainWindowLogic::SetWidth(int width) {
  if (controls_.width == width) return;
  controls_.width = width;
  view_.SetWindowWidth(width);
}

void MainWindowLogic::SetHeight(int height) {
  if (controls_.height == height) return;
  controls_.height = height;
  view_.SetWindowHeight(height);
}

}  // namespace brelvox
