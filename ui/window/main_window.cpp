// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's widgets, timers, input and dialogs; what it does for the
// logic as its view is in main_window_view.cpp.
#include "window/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "app/window_geometry.h"
#include "board/board_accessible.h"
#include "board/board_widget.h"
#include "dialogs/highscore_window.h"
#include "dialogs/info_dialog.h"
#include "dialogs/level_chooser.h"
#include "widgets/control_font.h"
#include "widgets/counter_accessible.h"
#include "widgets/glyph_button.h"
#include "widgets/named.h"
#include "widgets/spoken_notice.h"
#include "window/keyboard_control.h"
#include "window/narrator.h"
#include "window/toolbar.h"

namespace brelvox::ui {

// The keyboard's cursor as the board shows it.
class KeyboardCursor final : public BoardCursor {
 public:
  explicit KeyboardCursor(KeyboardControl& keys) : keys_(keys) {}

  std::optional<QPoint> CursorCell() const override {
    if (!keys_.CursorShown()) return std::nullopt;
    return QPoint(keys_.CursorCol(), keys_.CursorRow());
  }
  void MoveAt(Move move, int col, int row) override {
    static constexpr KeyboardControl::Move kMoves[] = {
        KeyboardControl::Move::Uncover, KeyboardControl::Move::Mark, KeyboardControl::Move::Chord};
    keys_.MoveAt(kMoves[static_cast<int>(move)], col, row);
  }

 private:
  KeyboardControl& keys_;
};

TMainWindow::TMainWindow(const std::filesystem::path& directory, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      cues_(LoadCueOutput),
      logic_(*this, directory) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(QStringLiteral("Brelvox"));
  setFont(ControlFont());
  setFixedSize(brelvox::kToolbarOnlyWidth - kDecorationWidth,
               brelvox::kToolbarOnlyHeight - kDecorationHeight);
  InstallCounterAccessibility();
  InstallBoardAccessibility();
  Panel1 = new Toolbar(logic_.Controls(), this);
  Panel1->setGeometry(0, 0, width(), brelvox::ToolbarHeight);
  ConnectToolbar();
  CreateKeyboardAndBoard();
  CreateTimers();
  logic_.FormCreate();
  logic_.ReadScores();
  // From here on each change is news.
  narrator_ = new Narrator(logic_, *new SpokenNotice(this), this);
}

TMainWindow::~TMainWindow() {
  // The logic gets no more ticks once the window is going. The cue player
  // closes on its own thread (cues_), which never runs this thread's events.
  TimeTimer->stop();
  Animator->stop();
}

void TMainWindow::ConnectToolbar() {
  auto clicks = [this](GlyphButton* button, void (brelvox::MainWindowLogic::*command)()) {
    connect(button, &QPushButton::clicked, this, [this, command] { (logic_.*command)(); });
  };
  clicks(Panel1->NewButton, &brelvox::MainWindowLogic::NewButtonClick);
  clicks(Panel1->SoundButton, &brelvox::MainWindowLogic::SoundButtonClick);
  clicks(Panel1->InfoButton, &brelvox::MainWindowLogic::InfoButtonClick);
  clicks(Panel1->PauseButton, &brelvox::MainWindowLogic::PauseButtonClickIfEnabled);
  clicks(Panel1->HintButton, &brelvox::MainWindowLogic::HintButtonClickIfEnabled);
  connect(Panel1->HintButton, &QPushButton::clicked, this, [this] {
    if (narrator_) narrator_->HintAsked();
  });
  clicks(Panel1->UpButton, &brelvox::MainWindowLogic::UpButtonClick);
  clicks(Panel1->DownButton, &brelvox::MainWindowLogic::DownButtonClick);
}

void TMainWindow::CreateKeyboardAndBoard() {
  const Toolbar& bar = *Panel1;
  keyboard_ = new KeyboardControl(*this, logic_,
                                  {bar.NewButton, bar.SoundButton, bar.InfoButton, bar.PauseButton,
                                   bar.HintButton, bar.UpButton, bar.DownButton});
  cursor_ = std::make_unique<KeyboardCursor>(*keyboard_);
  board_ = new BoardWidget(logic_.State(), *cursor_, this);
  board_->setGeometry(0, brelvox::ToolbarHeight, width(),
                      qMax(0, height() - brelvox::ToolbarHeight));
  board_->setFocus();
  connect(keyboard_, &KeyboardControl::CursorChanged, board_, &BoardWidget::CursorChanged);
}

void TMainWindow::CreateTimers() {
  TimeTimer = Named(new QTimer(this), "TimeTimer");
  TimeTimer->setInterval(logic_.Controls().interval);
  connect(TimeTimer, &QTimer::timeout, this, [this] { logic_.TimeTimerTimer(); });
  if (logic_.Controls().timerEnabled) TimeTimer->start();
  Animator = Named(new QTimer(this), "Animator");
  Animator->setInterval(100);
  connect(Animator, &QTimer::timeout, this, [this] { logic_.AnimatorTimer(); });
  Animator->start();
}

TLevelChoose* TMainWindow::LevelChooser() {
  // The dialogs belong to the main window, so that every window system,
  // Wayland compositors included, places them over it.
  if (!levelChoose_) levelChoose_ = new TLevelChoose(this);
  return levelChoose_;
}

THighscore* TMainWindow::HighscoreWindow() {
  // The scores were read at start-up; the table shows them as they are now.
  if (!highscore_) highscore_ = new THighscore(logic_, this);
  return highscore_;
}

TInfo* TMainWindow::InfoWindow() {
  if (!info_)
    info_ = new TInfo(
        logic_, [this] { ShowHighscore(); }, this);
  return info_;
}

void TMainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Panel1->setGeometry(0, 0, width(), brelvox::ToolbarHeight);
  if (board_)
    board_->setGeometry(0, brelvox::ToolbarHeight, width(),
                        qMax(0, height() - brelvox::ToolbarHeight));
}

void TMainWindow::keyPressEvent(QKeyEvent* event) {
  if (!keyboard_->KeyPress(*event)) QWidget::keyPressEvent(event);
}

void TMainWindow::keyReleaseEvent(QKeyEvent* event) {
  keyboard_->KeyRelease(*event);
  QWidget::keyReleaseEvent(event);
}

bool TMainWindow::event(QEvent* event) {
  // A dialog or another window takes the keyboard: the keys held now are
  // released there.
  const QEvent::Type type = event->type();
  if (keyboard_ && (type == QEvent::WindowBlocked || type == QEvent::WindowDeactivate))
    keyboard_->ForgetHeldKeys();
  return QWidget::event(event);
}

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
  // The logic takes the client area's pixels, the toolbar's included.
  const QPoint at = event->position().toPoint();
  logic_.FormMouseDown(button, held, at.x(), at.y());
}

void TMainWindow::closeEvent(QCloseEvent* event) {
  logic_.FormClose();
  QWidget::closeEvent(event);
}

}  // namespace brelvox::ui
