// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window does for the logic as its view: the board, the
// controls, sound, and the modal dialogs.
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "board/board_widget.h"
#include "dialogs/highscore_window.h"
#include "dialogs/info_dialog.h"
#include "dialogs/level_chooser.h"
#include "dialogs/name_prompt.h"
#include "widgets/counter_accessible.h"
#include "widgets/glyph_button.h"
#include "widgets/logic_text.h"
#include "widgets/vex_digital.h"
#include "window/keyboard_control.h"
#include "window/main_window.h"
#include "window/narrator.h"
#include "window/toolbar.h"

namespace brelvox::ui {

namespace {

// Message texts break their lines with a lone CR.
QString WithNewlines(const QString& text) {
  QString result = text;
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

}  // namespace

// ---- Board picture ----

void TMainWindow::DrawCell(std::uint8_t code, int col, int row) {
  board_->DrawCell(code, col, row);
  if (narrator_) narrator_->Changed();
}

void TMainWindow::PaintCoveredBoard(int width, int height) {
  board_->PaintCoveredBoard(width, height);
  if (narrator_) narrator_->Quiet();  // a new game: its cells are no news
}

void TMainWindow::ResizeBoardPicture(int width, int height) {
  board_->ResizePicture(width, height);
}

void TMainWindow::FitNumberFont(int cellSize) {
  board_->FitNumberFont(cellSize);
}

void TMainWindow::RepaintNow() {
  repaint();
}

void TMainWindow::ShowBoardCursor(bool, int, int) {
  if (keyboard_) keyboard_->CursorMoved();  // it reads the cursor from the logic
}

// ---- Controls ----

void TMainWindow::SetEnabled(brelvox::Control control, bool enabled) {
  switch (control) {
    case brelvox::Control::PauseButton:
      Panel1->PauseButton->setEnabled(enabled);
      break;
    case brelvox::Control::HintButton:
      Panel1->HintButton->setEnabled(enabled);
      break;
    case brelvox::Control::TimeTimer:
      if (enabled)
        TimeTimer->start();
      else
        TimeTimer->stop();
      break;
  }
}

void TMainWindow::SetTimerInterval(int milliseconds) {
  TimeTimer->setInterval(milliseconds);
}

void TMainWindow::SetDisplayValue(brelvox::Display display, std::int32_t value) {
  QWidget* counter = Panel1->Counter(display);
  const QString before = CounterAccessible::Text(counter);
  Panel1->Digits(display)->SetValue(value);
  CounterAccessible::TextChanged(counter, before);
  if (narrator_ && display == brelvox::Display::DigHint) narrator_->Changed();
}

void TMainWindow::SetDisplayVisible(brelvox::Display display, bool visible) {
  Panel1->Digits(display)->setVisible(visible);
}

void TMainWindow::SetCaption(brelvox::CaptionOf control, const std::string& caption) {
  Panel1->SetCaption(control, LogicText(caption));
  if (narrator_) narrator_->Changed();
}

void TMainWindow::SetWindowWidth(int width) {
  setFixedWidth(qMax(width - kDecorationWidth, 1));
}

void TMainWindow::SetWindowHeight(int height) {
  setFixedHeight(qMax(height - kDecorationHeight, 1));
}

void TMainWindow::BeginBusyCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TMainWindow::EndBusyCursor() {
  QApplication::restoreOverrideCursor();
}

void TMainWindow::PlaySound(const std::string&, const std::filesystem::path& file) {
  // Failures stay silent: a file that is no wave audio never reaches the player.
  auto sound = waves_.Load(file);
  if (sound) cues_.Play(std::move(sound));
}

brelvox::ScreenSize TMainWindow::GetScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect full = screen->geometry();
  return {full.width(), full.height()};
}

// ---- Dialogs ----

int TMainWindow::ChooseLevel() {
  // The pause around the dialog is no news, nor the resume after it.
  if (narrator_) narrator_->Quiet();
  const int level = LevelChooser()->Run();
  if (narrator_) narrator_->Quiet();
  return level;
}

std::string TMainWindow::AskName() {
  if (narrator_) narrator_->SpeakNow();  // the win, before the prompt
  return AskPlayerName(this);
}

void TMainWindow::ShowMessage(const std::string& caption, const std::string& text,
                              brelvox::MessageIcon icon) {
  if (narrator_) narrator_->SpeakNow();
  QMessageBox box(icon == brelvox::MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  LogicText(caption), WithNewlines(LogicText(text)), QMessageBox::Ok, this);
  box.exec();
}

void TMainWindow::ShowHighscore() {
  THighscore* highscore = HighscoreWindow();
  highscore->FillTable();
  highscore->exec();
}

void TMainWindow::ShowInfo() {
  if (narrator_) narrator_->Quiet();
  InfoWindow()->exec();
  if (narrator_) narrator_->Quiet();
}

}  // namespace brelvox::ui
