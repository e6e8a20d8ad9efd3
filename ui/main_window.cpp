// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "accessible.h"
#include "app/window_geometry.h"
#include "bevel_panel.h"
#include "board_area.h"
#include "cue_module.h"
#include "glyph_button.h"
#include "highscore_window.h"
#include "info_dialog.h"
#include "keyboard_control.h"
#include "level_chooser.h"
#include "name_length.h"
#include "named.h"
#include "sharp_picture.h"
#include "translations.h"
#include "ui_fonts.h"
#include "vex_digital.h"

namespace {

// Message texts break their lines with a lone CR.
QString DisplayText(const QString& text) {
  QString result = text;
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

TVexDigital* MakeClock(QWidget* parent, int left, const char* caption, const QImage& strip) {
  auto* digits = new TVexDigital(parent);
  digits->setGeometry(left, 4, 41, 25);
  digits->SetBevelOuter(Bevel::None);
  digits->SetCaption(QString::fromLatin1(caption));
  digits->SetNumbers(strip);
  digits->SetFinerNumbers(QStringLiteral("digits_segment"));
  digits->SetNumberWidth(16);
  digits->SetAutoSize(false);
  digits->SetFormatWidth(2);
  return digits;
}

}  // namespace

TMainWindow::TMainWindow(const std::filesystem::path& directory, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      logic_(*this, directory) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(QStringLiteral("Brelvox"));
  setFont(ControlFont());
  setFixedSize(brelvox::kDesignWidth - kDecorationWidth,
               brelvox::kDesignHeight - kDecorationHeight);
  CreateToolbar();
  CreateKeyboard();

  TimeTimer = Named(new QTimer(this), "TimeTimer");
  TimeTimer->setInterval(1000);
  connect(TimeTimer, &QTimer::timeout, this, [this] { logic_.TimeTimerTimer(); });
  TimeTimer->start();
  Animator = Named(new QTimer(this), "Animator");
  Animator->setInterval(100);
  connect(Animator, &QTimer::timeout, this, [this] { logic_.AnimatorTimer(); });
  Animator->start();

  logic_.FormCreate();
}

TMainWindow::~TMainWindow() {
  // Closing the sound backend may run the event loop while it waits for its
  // stream. The player goes first, while everything it could reach is still
  // there, and the logic gets no more ticks once the window is going.
  TimeTimer->stop();
  Animator->stop();
  player_.reset();
}

void TMainWindow::UseCueOutput(std::unique_ptr<CueOutput> output) {
  playerLoaded_ = true;
  player_ = std::move(output);
}

void TMainWindow::CreateToolbar() {
  Panel1 = Named(new BevelPanel(this), "Panel1");
  Panel1->setGeometry(0, 0, width(), brelvox::ToolbarHeight);

  auto button = [this](const char* name, const char* glyph, const QString& caption, int left) {
    auto* b = Named(new GlyphButton(QString::fromLatin1(glyph), caption, Panel1), name);
    b->setGeometry(left, 8, 73, 33);
    return b;
  };
  // Silent and Pause are captions the logic changes later.
  NewButton = button("NewButton", "glyph_new", tr("New"), 8);
  SoundButton = button("SoundButton", "glyph_sound", CoreText("Silent"), 88);
  InfoButton = button("InfoButton", "glyph_info", tr("Info"), 168);
  PauseButton = button("PauseButton", "glyph_pause", CoreText("Pause"), 248);
  HintButton = button("HintButton", "glyph_hint", tr("Hint"), 328);
  connect(NewButton, &QPushButton::clicked, this, [this] { logic_.NewButtonClick(); });
  connect(SoundButton, &QPushButton::clicked, this, [this] { logic_.SoundButtonClick(); });
  connect(InfoButton, &QPushButton::clicked, this, [this] { logic_.InfoButtonClick(); });
  connect(PauseButton, &QPushButton::clicked, this, [this] { logic_.PauseButtonClickIfEnabled(); });
  connect(HintButton, &QPushButton::clicked, this, [this] { logic_.HintButtonClickIfEnabled(); });

  DigHint = Named(new TVexDigital(Panel1), "DigHint");
  DigHint->setGeometry(408, 8, 27, 33);
  DigHint->SetBevelInner(Bevel::Lowered);
  DigHint->SetBevelOuter(Bevel::None);
  DigHint->SetNumbers(sharp::LoadAsset(QStringLiteral("digits_flip"), 1, QImage::Format_RGB32));
  DigHint->SetFinerNumbers(QStringLiteral("digits_flip"));
  DigHint->SetNumberWidth(20);

  Panel3 = Named(new BevelPanel(Panel1), "Panel3");
  Panel3->setGeometry(441, 8, 129, 33);
  Panel3->SetBevelOuter(Bevel::Lowered);
  Panel3->SetColor(Qt::black);
  const QImage segments =
      sharp::LoadAsset(QStringLiteral("digits_segment"), 1, QImage::Format_RGB32);
  DigH = Named(MakeClock(Panel3, 4, "DigH", segments), "DigH");
  DigM = Named(MakeClock(Panel3, 44, "DigM", segments), "DigM");
  DigS = Named(MakeClock(Panel3, 84, "DigS", segments), "DigS");

  UpButton = Named(new GlyphButton(QStringLiteral("glyph_up"), QString(), Panel1), "UpButton");
  UpButton->setGeometry(576, 6, 18, 19);
  DownButton =
      Named(new GlyphButton(QStringLiteral("glyph_down"), QString(), Panel1), "DownButton");
  DownButton->setGeometry(576, 24, 18, 19);
  connect(UpButton, &QPushButton::clicked, this, [this] { logic_.UpButtonClick(); });
  connect(DownButton, &QPushButton::clicked, this, [this] { logic_.DownButtonClick(); });
}

void TMainWindow::CreateKeyboard() {
  InstallAccessibility();
  keyboard_ = new KeyboardControl(
      *this, logic_,
      {NewButton, SoundButton, InfoButton, PauseButton, HintButton, UpButton, DownButton},
      brelvox::ToolbarHeight);
  boardArea_ = new BoardArea(logic_.State(), *keyboard_, this);
  boardArea_->setGeometry(0, brelvox::ToolbarHeight, width(),
                          qMax(0, height() - brelvox::ToolbarHeight));
  boardArea_->setFocus();

  Panel3->setObjectName(QStringLiteral("Panel3"));
  DigH->setObjectName(QStringLiteral("DigH"));
  DigM->setObjectName(QStringLiteral("DigM"));
  DigS->setObjectName(QStringLiteral("DigS"));
  DigHint->setAccessibleName(tr("Hints left"));
  DigHint->setAccessibleDescription(tr("Hints you may still take without losing your score"));
  Panel3->setAccessibleName(tr("Time"));
  Panel3->setAccessibleDescription(tr("Time played, hours:minutes:seconds"));
  UpButton->setAccessibleName(tr("Bigger cells"));
  UpButton->setAccessibleDescription(tr("Makes the cells of this level bigger (Ctrl+Plus)"));
  DownButton->setAccessibleName(tr("Smaller cells"));
  DownButton->setAccessibleDescription(tr("Makes the cells of this level smaller (Ctrl+Minus)"));
  NewButton->setAccessibleDescription(tr("Chooses a level and starts a new game (Ctrl+N)"));
  SoundButton->setAccessibleDescription(tr("Switches the sound cues off or on (S)"));
  InfoButton->setAccessibleDescription(tr("Shows the help and the best times (F1)"));
  PauseButton->setAccessibleDescription(tr("Hides the board and stops the clock (P)"));
  HintButton->setAccessibleDescription(
      tr("Makes a safe move for you; the counter beside it shows the hints left (H)"));
}

void TMainWindow::SetDialogs(TLevelChoose* levelChoose, TInfo* info, THighscore* highscore) {
  levelChoose_ = levelChoose;
  info_ = info;
  highscore_ = highscore;
}

void TMainWindow::CreateDialogsWhenNeeded() {
  buildDialogs_ = true;
  logic_.HighscoreFormCreate();
}

TLevelChoose* TMainWindow::LevelChooser() {
  // The dialogs belong to the main window, so that every window system,
  // Wayland compositors included, places them over it.
  if (!levelChoose_ && buildDialogs_) levelChoose_ = new TLevelChoose(this);
  return levelChoose_;
}

THighscore* TMainWindow::HighscoreWindow() {
  if (!highscore_ && buildDialogs_) {
    // The scores were read at start-up; the table shows them as they are now.
    highscore_ = new THighscore(logic_, this, false);
  }
  return highscore_;
}

TInfo* TMainWindow::InfoWindow() {
  if (!info_ && buildDialogs_) {
    info_ = new TInfo(logic_, this);
    info_->SetHighscore(HighscoreWindow());
  }
  return info_;
}

// ---- Board picture ----

void TMainWindow::DrawCell(std::uint8_t code, int col, int row) {
  // The cell goes into the board picture, and the window shows it from there.
  const QRect cell = image_.DrawCell(code, col, row);
  update(cell.translated(0, brelvox::ToolbarHeight));
  boardArea_->CellChanged(col, row);
}

void TMainWindow::PaintCoveredBoard(int width, int height) {
  image_.SetDevicePixelRatio(devicePixelRatioF());
  image_.Resize(width, height);
  const int size = image_.CellSize();
  if (size > 0) image_.DrawCoveredBoard(width / size, height / size);
  boardArea_->BoardChanged();
}

void TMainWindow::ResizeBoardPicture(int width, int height) {
  image_.SetDevicePixelRatio(devicePixelRatioF());
  image_.Resize(width, height);
}

void TMainWindow::FitNumberFont(int cellSize) {
  image_.FitNumberFont(cellSize);
}

void TMainWindow::RepaintNow() {
  repaint();
}

void TMainWindow::ShowBoardCursor(bool, int, int) {
  if (keyboard_) keyboard_->CursorMoved();  // it reads the cursor from the logic
}

bool TMainWindow::event(QEvent* event) {
  // On a screen with another device pixel ratio the board is drawn again
  // for its pixels before the window shows it.
  if (event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(event);
}

void TMainWindow::paintEvent(QPaintEvent*) {
  image_.SetDevicePixelRatio(devicePixelRatioF());
  QPainter painter(this);
  painter.drawImage(0, brelvox::ToolbarHeight, image_.Image());
  keyboard_->PaintCursor(painter);  // on the window only, never into the picture
}

// ---- Controls ----

void TMainWindow::SetEnabled(brelvox::Control control, bool enabled) {
  switch (control) {
    case brelvox::Control::PauseButton:
      PauseButton->setEnabled(enabled);
      break;
    case brelvox::Control::HintButton:
      HintButton->setEnabled(enabled);
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

TVexDigital* TMainWindow::Display(brelvox::Display display) const {
  switch (display) {
    case brelvox::Display::DigHint:
      return DigHint;
    case brelvox::Display::DigS:
      return DigS;
    case brelvox::Display::DigM:
      return DigM;
    case brelvox::Display::DigH:
      return DigH;
  }
  return DigHint;
}

void TMainWindow::SetDisplayValue(brelvox::Display display, std::int32_t value) {
  Display(display)->SetValue(value);
  CounterAccessible::ValueChanged(display == brelvox::Display::DigHint ? DigHint : Panel3);
}

void TMainWindow::SetDisplayVisible(brelvox::Display display, bool visible) {
  Display(display)->setVisible(visible);
}

void TMainWindow::SetCaption(brelvox::CaptionOf control, const std::string& caption) {
  GlyphButton* button = control == brelvox::CaptionOf::PauseButton ? PauseButton : SoundButton;
  button->setText(CoreText(caption));
}

void TMainWindow::SetWindowWidth(int width) {
  setFixedWidth(qMax(width - kDecorationWidth, 1));
}

void TMainWindow::SetWindowHeight(int height) {
  setFixedHeight(qMax(height - kDecorationHeight, 1));
}

void TMainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Panel1->setGeometry(0, 0, width(), brelvox::ToolbarHeight);
  if (boardArea_)
    boardArea_->setGeometry(0, brelvox::ToolbarHeight, width(),
                            qMax(0, height() - brelvox::ToolbarHeight));
}

void TMainWindow::keyPressEvent(QKeyEvent* event) {
  if (!keyboard_->KeyPress(*event)) QWidget::keyPressEvent(event);
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
  if (!sound) return;
  if (!playerLoaded_) {
    playerLoaded_ = true;
    player_ = LoadCueOutput();
  }
  if (player_) player_->Play(std::move(sound));
}

brelvox::ScreenSize TMainWindow::GetScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect full = screen->geometry();
  return {full.width(), full.height()};
}

// ---- Input ----

void TMainWindow::mousePressEvent(QMouseEvent* event) {
  brelvox::MouseButtons button;
  switch (event->button()) {
    case Qt::LeftButton:
      button = brelvox::kLeftButton;
      break;
    case Qt::RightButton:
      button = brelvox::kRightButton;
      break;
    case Qt::MiddleButton:
      button = brelvox::kMiddleButton;
      break;
    default:
      return;
  }
  const Qt::MouseButtons down = event->buttons();
  unsigned held = 0;
  if (down & Qt::LeftButton) held |= brelvox::kLeftButton;
  if (down & Qt::RightButton) held |= brelvox::kRightButton;
  if (down & Qt::MiddleButton) held |= brelvox::kMiddleButton;
  const QPoint at = event->position().toPoint();
  logic_.FormMouseDown(button, held, at.x(), at.y());
}

void TMainWindow::closeEvent(QCloseEvent* event) {
  logic_.FormClose();
  QWidget::closeEvent(event);
}

// ---- Dialogs ----

int TMainWindow::ChooseLevel() {
  TLevelChoose* chooser = LevelChooser();
  return chooser ? chooser->Run() : -1;
}

std::string TMainWindow::AskName() {
  QInputDialog prompt(this);
  prompt.setWindowTitle(tr("New highscore!"));
  prompt.setLabelText(tr("Enter your name:"));
  prompt.setInputMode(QInputDialog::TextInput);
  prompt.setTextValue(QString());
  if (auto* edit = prompt.findChild<QLineEdit*>()) LimitToNameLength(edit);
  if (prompt.exec() != QDialog::Accepted) return {};
  return prompt.textValue().toStdString();
}

void TMainWindow::ShowMessage(const std::string& caption, const std::string& text,
                              brelvox::MessageIcon icon) {
  QMessageBox box(icon == brelvox::MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  CoreText(caption), DisplayText(CoreText(text)), QMessageBox::Ok, this);
  box.exec();
}

void TMainWindow::ShowHighscore() {
  THighscore* highscore = HighscoreWindow();
  if (!highscore) return;
  highscore->FillTable();
  highscore->exec();
}

void TMainWindow::ShowInfo() {
  if (TInfo* info = InfoWindow()) info->exec();
}
