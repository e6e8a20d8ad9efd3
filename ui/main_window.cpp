#include "main_window.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

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
#include "cue_player.h"
#include "glyph_button.h"
#include "highscore_window.h"
#include "info_dialog.h"
#include "keyboard_control.h"
#include "level_chooser.h"
#include "name_length.h"
#include "named.h"
#include "ui_fonts.h"
#include "vex_digital.h"

namespace {

// Message texts break their lines with a lone CR.
QString DisplayText(const std::string& text) {
  QString result = QString::fromStdString(text);
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

TMainWindow::~TMainWindow() = default;

void TMainWindow::CreateToolbar() {
  Panel1 = Named(new BevelPanel(this), "Panel1");
  Panel1->setGeometry(0, 0, width(), brelvox::ToolbarHeight);

  auto button = [this](const char* name, const char* glyph, const char* caption, int left) {
    auto* b = Named(
        new GlyphButton(QString::fromLatin1(glyph), QString::fromLatin1(caption), Panel1), name);
    b->setGeometry(left, 8, 73, 33);
    return b;
  };
  NewButton = button("NewButton", "glyph_new", "New", 8);
  SoundButton = button("SoundButton", "glyph_sound", "Silent", 88);
  InfoButton = button("InfoButton", "glyph_info", "Info", 168);
  PauseButton = button("PauseButton", "glyph_pause", "Pause", 248);
  HintButton = button("HintButton", "glyph_hint", "Hint", 328);
  connect(NewButton, &QPushButton::clicked, this, [this] { logic_.NewButtonClick(); });
  connect(SoundButton, &QPushButton::clicked, this, [this] { logic_.SoundButtonClick(); });
  connect(InfoButton, &QPushButton::clicked, this, [this] { logic_.InfoButtonClick(); });
  connect(PauseButton, &QPushButton::clicked, this, [this] { logic_.PauseButtonClickIfEnabled(); });
  connect(HintButton, &QPushButton::clicked, this, [this] { logic_.HintButtonClickIfEnabled(); });

  DigHint = Named(new TVexDigital(Panel1), "DigHint");
  DigHint->setGeometry(408, 8, 27, 33);
  DigHint->SetBevelInner(Bevel::Lowered);
  DigHint->SetBevelOuter(Bevel::None);
  DigHint->SetNumbers(QImage(QStringLiteral(":/assets/digits_flip.png")));
  DigHint->SetNumberWidth(20);

  Panel3 = Named(new BevelPanel(Panel1), "Panel3");
  Panel3->setGeometry(441, 8, 129, 33);
  Panel3->SetBevelOuter(Bevel::Lowered);
  Panel3->SetColor(Qt::black);
  const QImage segments(QStringLiteral(":/assets/digits_segment.png"));
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
  if (!levelChoose_ && buildDialogs_) {
    ownLevelChoose_ = std::make_unique<TLevelChoose>();
    levelChoose_ = ownLevelChoose_.get();
  }
  return levelChoose_;
}

THighscore* TMainWindow::HighscoreWindow() {
  if (!highscore_ && buildDialogs_) {
    // The scores were read at start-up; the table shows them as they are now.
    ownHighscore_ = std::make_unique<THighscore>(logic_, nullptr, false);
    highscore_ = ownHighscore_.get();
  }
  return highscore_;
}

TInfo* TMainWindow::InfoWindow() {
  if (!info_ && buildDialogs_) {
    ownInfo_ = std::make_unique<TInfo>(logic_);
    ownInfo_->SetHighscore(HighscoreWindow());
    info_ = ownInfo_.get();
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
  image_.Resize(width, height);
  const int size = image_.CellSize();
  if (size > 0) image_.DrawCoveredBoard(width / size, height / size);
  keyboard_->NewBoard();
  boardArea_->BoardChanged();
}

void TMainWindow::ResizeBoardPicture(int width, int height) {
  image_.Resize(width, height);
}

void TMainWindow::FitNumberFont(int cellSize) {
  image_.FitNumberFont(cellSize);
}

void TMainWindow::RepaintNow() {
  repaint();
}

void TMainWindow::paintEvent(QPaintEvent*) {
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
  button->setText(QString::fromStdString(caption));
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

namespace {

// Only what looks like wave audio of a sensible size reaches the player, so a
// huge or foreign file named like a cue can never stall the game. The file is
// opened without waiting (a pipe put in its place must not block) and checked
// to be a regular file once open.
bool LooksLikeWave(const std::filesystem::path& file) {
  constexpr off_t kMaxCueBytes = 16 << 20;
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  char head[12];
  const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 44 &&
                  st.st_size <= kMaxCueBytes && ::read(fd, head, sizeof head) == sizeof head &&
                  std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

void TMainWindow::PlaySound(const std::string&, const std::filesystem::path& file) {
  // One player: a new cue cuts off the one before. Failures stay silent.
  if (!LooksLikeWave(file)) return;
  if (!playerLoaded_) {
    playerLoaded_ = true;
    player_ = LoadCuePlayer();
  }
  if (player_) player_->Play(QString::fromStdString(file.string()));
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
  if (at.y() >= brelvox::ToolbarHeight) keyboard_->MousePressedOnBoard();
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
  QInputDialog prompt;
  prompt.setWindowTitle(QStringLiteral("New highscore!"));
  prompt.setLabelText(QStringLiteral("Enter your name:"));
  prompt.setInputMode(QInputDialog::TextInput);
  prompt.setTextValue(QString());
  if (auto* edit = prompt.findChild<QLineEdit*>()) LimitToNameLength(edit);
  if (prompt.exec() != QDialog::Accepted) return {};
  return prompt.textValue().toStdString();
}

void TMainWindow::ShowMessage(const std::string& caption, const std::string& text,
                              brelvox::MessageIcon icon) {
  QMessageBox box(icon == brelvox::MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QString::fromStdString(caption), DisplayText(text), QMessageBox::Ok);
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
