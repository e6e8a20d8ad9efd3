// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the main window: shortcuts press the toolbar buttons, the
// cursor keys run the logic's cursor commands, and the cursor's frame is
// painted on the window only.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialogs/info_dialog.h"
#include "dialogs/level_chooser.h"
#include "game/board.h"
#include "program.h"
#include "widgets/glyph_button.h"
#include "window/main_window.h"

using namespace brelvox::ui;

namespace {

using uitest::Child;
using uitest::WhenModal;

constexpr QRgb kFrameOuter = 0xFF0000C0;

// The program driven by keys, its mines placed from `seed`.
struct Program : uitest::Program {
  explicit Program(std::uint32_t seed = 7) { window.Logic().SetRandomSeed(seed); }

  // Ctrl+N, and the chooser answered with Enter on `level`.
  void New(int level) {
    WhenModal([level](QWidget* modal) {
      auto* chooser = qobject_cast<TLevelChoose*>(modal);
      ASSERT_NE(chooser, nullptr);
      uitest::PickLevel(chooser, level);
      QTest::keyClick(chooser, Qt::Key_Return);
    });
    Key(Qt::Key_N, Qt::ControlModifier);
  }

  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&window, static_cast<Qt::Key>(key), modifiers);
  }

  // One key event as a window system sends it.
  void Send(QEvent::Type type, int key, ulong time, quint32 scanCode, bool flagged = false,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, key, modifiers, scanCode, 0, 0, QString(), flagged);
    event.setTimestamp(time);
    QApplication::sendEvent(&window, &event);
  }

  // `key` held down through `repeats` repeats, as X11 sends them: each a
  // release and a press with the same time stamp, and only every other one
  // flagged as a repeat by the toolkit.
  void Hold(int key, int repeats, quint32 scanCode = 0,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ulong time = clock += 1000;
    Send(QEvent::KeyPress, key, time, scanCode, false, modifiers);
    time += 500 - 40;  // the repeats start after a delay
    for (int i = 0; i < repeats; ++i) {
      time += 40;
      Send(QEvent::KeyRelease, key, time, scanCode, i % 2 == 1, modifiers);
      Send(QEvent::KeyPress, key, time, scanCode, i % 2 == 1, modifiers);
    }
    clock = time + 40;
    Send(QEvent::KeyRelease, key, clock, scanCode, false, modifiers);
  }
  ulong clock = 0;

  QPoint Cursor() {
    const brelvox::ControlStates& c = window.Logic().Controls();
    return c.cursorShown ? QPoint(c.cursorCol, c.cursorRow) : QPoint(-1, -1);
  }

  // The frame's cell on the window; empty while hidden.
  QRect Frame() {
    if (Cursor().x() < 0) return {};
    const int size = State().CellSize;
    return QRect(Cursor().x() * size, 49 + Cursor().y() * size, size, size);
  }

  std::uint8_t Shown(int col, int row) { return State().board.at(brelvox::ShownLayer, col, row); }

  QImage Shot() {
    QApplication::processEvents();
    return window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
  }
};

TEST(KeyboardTest, ShortcutsPressTheButtonsAndNothingWhileDisabled) {
  Program program;
  // Before the first game Pause and Hint are disabled: P and H change nothing.
  program.Key(Qt::Key_P);
  program.Key(Qt::Key_Pause);
  program.Key(Qt::Key_H);
  EXPECT_EQ(program.State().Paused, 0);
  EXPECT_EQ(program.window.height(), 49);

  program.Key(Qt::Key_S);
  EXPECT_EQ(Child<QPushButton>(&program.window, "SoundButton")->text(), QStringLiteral("Sound"));
  program.Key(Qt::Key_S);
  EXPECT_EQ(Child<QPushButton>(&program.window, "SoundButton")->text(), QStringLiteral("Silent"));

  // Escape in the chooser is Cancel: no game.
  WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  program.Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(program.State().Rows, 0);

  program.New(1);
  ASSERT_EQ(program.State().Rows, 16);
  const int size = program.State().CellSize;
  program.Key(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(program.State().CellSize, size + 1);
  program.Key(Qt::Key_Minus, Qt::ControlModifier);
  program.Key(Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(program.State().CellSize, size - 1);
  program.Key(Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(program.State().CellSize, size);

  program.Key(Qt::Key_P);
  EXPECT_EQ(program.State().Paused, 1);
  // While paused the Hint button is disabled, and the cursor keys do nothing.
  const std::int32_t hints = program.State().HintsLeft;
  program.Key(Qt::Key_H);
  program.Key(Qt::Key_Space);
  EXPECT_EQ(program.Cursor(), QPoint(-1, -1));
  program.Key(Qt::Key_Pause);
  EXPECT_EQ(program.State().Paused, 0);
  EXPECT_EQ(program.State().HintsLeft, hints);

  // F1 is Info, which pauses around the dialog.
  bool opened = false;
  WhenModal([&opened](QWidget* modal) {
    opened = qobject_cast<TInfo*>(modal) != nullptr;
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  program.Key(Qt::Key_F1);
  EXPECT_TRUE(opened);
  EXPECT_EQ(program.State().Paused, 0);

  program.Key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(program.window.isVisible());
  EXPECT_TRUE(QFile::exists(program.dir.filePath(QStringLiteral("Brelvox.ini"))));
}

// Each key runs its command: the cursor keys with or without Shift and again
// while held, the moves on the board without Alt or Meta and once per press.
TEST(KeyboardTest, CursorAndMoveKeysRunTheirCommands) {
  Program program(11);
  program.New(1);
  ASSERT_EQ(program.State().Cols, 24);
  const std::vector<std::pair<int, QPoint>> moves = {
      {Qt::Key_Left, {12, 8}},      {Qt::Key_Left, {11, 8}}, {Qt::Key_End, {23, 8}},
      {Qt::Key_PageDown, {23, 15}}, {Qt::Key_Up, {23, 14}},  {Qt::Key_Home, {0, 14}},
      {Qt::Key_PageUp, {0, 0}},     {Qt::Key_Right, {1, 0}}, {Qt::Key_Down, {1, 1}}};
  for (const auto& [key, at] : moves) {
    program.Key(key);
    EXPECT_EQ(program.Cursor(), at) << key;
  }
  program.Hold(Qt::Key_Right, 2);
  program.Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(program.Cursor(), QPoint(5, 1));

  auto goTo = [&program](QPoint cell) {
    program.Key(Qt::Key_Home);
    program.Key(Qt::Key_PageUp);
    for (int i = 0; i < cell.x(); ++i) program.Key(Qt::Key_Right);
    for (int i = 0; i < cell.y(); ++i) program.Key(Qt::Key_Down);
  };
  // The first covered cell without a mine, or with a count of zero.
  auto coveredCell = [&program](bool zero) {
    const brelvox::GameState& s = program.State();
    for (int row = 0; row < s.Rows; ++row) {
      for (int col = 0; col < s.Cols; ++col) {
        const std::uint8_t content = s.board.at(brelvox::ContentLayer, col, row);
        if (program.Shown(col, row) == brelvox::cellCovered &&
            (zero ? content == 0 : content != brelvox::cellMine)) {
          return QPoint(col, row);
        }
      }
    }
    return QPoint(-1, -1);
  };

  const QPoint marked = coveredCell(false);
  goTo(marked);
  auto shown = [&program, marked] { return program.Shown(marked.x(), marked.y()); };
  program.Key(Qt::Key_F, Qt::AltModifier);
  EXPECT_EQ(shown(), brelvox::cellCovered);
  program.Hold(Qt::Key_F, 3);  // toggles once
  EXPECT_EQ(shown(), brelvox::cellMarked);
  program.Key(Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(shown(), brelvox::cellCovered);
  program.Key(Qt::Key_F);
  program.Key(Qt::Key_Space);  // a marked cell stays
  EXPECT_EQ(shown(), brelvox::cellMarked);
  program.Key(Qt::Key_F);

  // Space, Return and Enter uncover, and D chords, each at a covered cell
  // without a mine; the chord's cell has none around it either.
  for (const int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    const QPoint cell = coveredCell(false);
    goTo(cell);
    program.Hold(key, 2);
    EXPECT_NE(program.Shown(cell.x(), cell.y()), brelvox::cellCovered) << key;
  }
  const QPoint zero = coveredCell(true);
  ASSERT_GE(zero.x(), 0);
  goTo(zero);
  program.Key(Qt::Key_D);
  for (int dc = -1; dc <= 1; ++dc) {
    for (int dr = -1; dr <= 1; ++dr) {
      if ((dc || dr) && program.State().InArea(zero.x() + dc, zero.y() + dr)) {
        EXPECT_NE(program.Shown(zero.x() + dc, zero.y() + dr), brelvox::cellCovered);
      }
    }
  }
  EXPECT_EQ(program.State().GameOver, 0);
}

// A held key acts once, the toolkit's flag or not; a letter acts by its
// Latin symbol, or by its place where the layout gives it none (Russian
// alone); and a key whose release went to a dialog works again.
TEST(KeyboardTest, HeldKeysActOnceAndLettersActWhereverTheLayoutPutsThem) {
  // The xkb key codes of the keys where the US layout has these.
  constexpr quint32 kPlaceOfD = 40, kPlaceOfH = 43, kPlaceOfN = 57, kPlaceOfF1 = 67;
  Program program;
  int opened = 0;
  auto closeNext = [&opened] {
    WhenModal([&opened](QWidget* modal) {
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        ++opened;
        dialog->reject();
      }
    });
  };
  closeNext();
  program.Hold(0x0422, 0, kPlaceOfN, Qt::ControlModifier);  // Ctrl and Cyrillic TE
  EXPECT_EQ(opened, 1);
  program.New(0);
  const std::int32_t hints = program.State().HintsLeft;
  program.Hold(0x0420, 4, kPlaceOfH);  // Cyrillic ER
  EXPECT_EQ(program.State().HintsLeft, hints - 1);

  // S where the US layout has D: the label counts, so Sound, not a chord.
  program.Hold(Qt::Key_S, 0, kPlaceOfD);
  EXPECT_EQ(Child<QPushButton>(&program.window, "SoundButton")->text(), QStringLiteral("Sound"));
  program.Hold(Qt::Key_P, 5);
  EXPECT_EQ(program.State().Paused, 1);
  program.Hold(Qt::Key_Pause, 2);
  EXPECT_EQ(program.State().Paused, 0);

  // F1 opens Info, whose dialog takes the release; the next F1 opens it again.
  closeNext();
  program.Send(QEvent::KeyPress, Qt::Key_F1, program.clock += 1000, kPlaceOfF1);
  closeNext();
  program.Hold(Qt::Key_F1, 0, kPlaceOfF1);
  EXPECT_EQ(opened, 3);
}

TEST(KeyboardTest, CursorFrameIsOnTheWindowAndNeverInTheBoardPicture) {
  Program program;
  program.New(0);
  EXPECT_TRUE(program.Frame().isEmpty());
  const int size = program.State().CellSize;
  const QImage before = program.Shot();

  program.Key(Qt::Key_Down);
  const QRect frame = program.Frame();
  EXPECT_EQ(frame, QRect(4 * size, 49 + 4 * size, size, size));
  QImage shot = program.Shot();
  EXPECT_EQ(shot.pixel(frame.topLeft()), kFrameOuter);
  EXPECT_EQ(shot.pixel(frame.bottomRight()), kFrameOuter);
  // Inside the frame, and everywhere else, the window shows the picture.
  const QImage picture = uitest::BoardOf(program.State());
  EXPECT_NE(picture.pixel(frame.left(), frame.top() - 49) | 0xFF000000, kFrameOuter);
  EXPECT_EQ(shot.pixel(frame.center()), picture.pixel(frame.center() - QPoint(0, 49)));
  EXPECT_EQ(shot.copy(0, 49, size * 8, size * 4), before.copy(0, 49, size * 8, size * 4));

  // Moving leaves no trace at the old cell.
  program.Key(Qt::Key_Up);
  shot = program.Shot();
  EXPECT_EQ(shot.pixel(frame.topLeft()), before.pixel(frame.topLeft()));
  EXPECT_EQ(shot.pixel(program.Frame().topLeft()), kFrameOuter);

  // Gone while paused, back afterwards; a new size moves it with the cell.
  program.Key(Qt::Key_P);
  EXPECT_TRUE(program.Frame().isEmpty());
  program.Key(Qt::Key_P);
  program.Key(Qt::Key_Minus, Qt::ControlModifier);
  const int smaller = program.State().CellSize;
  ASSERT_LT(smaller, size);
  EXPECT_EQ(program.Frame(), QRect(4 * smaller, 49 + 3 * smaller, smaller, smaller));
  shot = program.Shot();
  EXPECT_EQ(shot.pixel(program.Frame().bottomRight()), kFrameOuter);

  // A cell change under the cursor repaints the cell, frame included.
  program.Key(Qt::Key_F);
  shot = program.Shot();
  EXPECT_EQ(shot.pixel(program.Frame().topLeft()), kFrameOuter);
  const QImage marked = uitest::BoardOf(program.State(), 1, uitest::Drawn::CellByCell);
  EXPECT_EQ(shot.pixel(program.Frame().center()),
            marked.pixel(program.Frame().center() - QPoint(0, 49)));

  // A mouse press on the board hides it.
  const QPoint at = program.Frame().center();
  QTest::mouseClick(&program.window, Qt::RightButton, {}, at);
  EXPECT_TRUE(program.Frame().isEmpty());
  shot = program.Shot();
  EXPECT_NE(shot.pixel(at - QPoint(smaller / 2, smaller / 2)), kFrameOuter);
}

// Whether `button` shows the dotted focus frame: every third pixel or so of
// the frame's top and left lines in the caption colour.
bool ShowsFocusFrame(GlyphButton* button) {
  const QImage shot = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRgb ink = button->palette().color(QPalette::ButtonText).rgb();
  const QRect frame = button->FocusFrame();
  int top = 0;
  int left = 0;
  for (int x = frame.left(); x <= frame.right(); ++x) top += shot.pixel(x, frame.top()) == ink;
  for (int y = frame.top(); y <= frame.bottom(); ++y) left += shot.pixel(frame.left(), y) == ink;
  return top >= frame.width() / 4 && left >= frame.height() / 4;
}

// What has the focus in `dialog`, checked to be the one button with a frame.
QString FocusedButton(QWidget* dialog) {
  EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
  QString focused;
  for (auto* button : dialog->findChildren<GlyphButton*>()) {
    EXPECT_EQ(ShowsFocusFrame(button), button->hasFocus()) << button->objectName().toStdString();
    if (button->hasFocus()) focused = button->objectName();
  }
  return focused;
}

// A key typed into `dialog` where the keyboard focus is, as a player would.
void Type(QWidget* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : dialog, key, modifiers);
}

// A dialog that a key failed to close is closed, so the test goes on.
void CloseIfOpen(QWidget* dialog) {
  if (!dialog->isVisible()) return;
  ADD_FAILURE() << dialog->objectName().toStdString() << " is still open";
  static_cast<QDialog*>(dialog)->reject();
}

// Tab moves between a dialog's buttons, Space or Enter presses the focused
// one, Escape is Back or Cancel; the focused button shows its frame.
TEST(KeyboardTest, DialogsWorkByKeysWithAFocusFrame) {
  Program program;
  // The chooser: Tab from the levels to Start, then Cancel; Enter there is
  // Cancel, not the default Start.
  WhenModal([](QWidget* chooser) {
    EXPECT_EQ(FocusedButton(chooser), QString());
    Type(chooser, Qt::Key_Down);
    Type(chooser, Qt::Key_Tab);
    EXPECT_EQ(FocusedButton(chooser), QStringLiteral("Start"));
    Type(chooser, Qt::Key_Tab);
    EXPECT_EQ(FocusedButton(chooser), QStringLiteral("Cancel"));
    Type(chooser, Qt::Key_Return);
    CloseIfOpen(chooser);
  });
  program.Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(program.State().Rows, 0);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  // Each opening starts on the levels again; Shift+Tab twice comes round to
  // Start, and Space starts the level picked by the arrow.
  WhenModal([](QWidget* chooser) {
    EXPECT_EQ(FocusedButton(chooser), QString());
    Type(chooser, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusedButton(chooser), QStringLiteral("Cancel"));
    Type(chooser, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusedButton(chooser), QStringLiteral("Start"));
    Type(chooser, Qt::Key_Space);
    CloseIfOpen(chooser);
  });
  program.Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(program.State().Rows, 16);

  // Info: Back has the focus first; Tab reaches Howto and Scores.
  QStringList seen;
  WhenModal([&seen, &program](QWidget* info) {
    seen << FocusedButton(info);
    Type(info, Qt::Key_Tab);
    seen << FocusedButton(info);
    Type(info, Qt::Key_Space);
    EXPECT_EQ(info->height(), TInfo::kUnfoldedHeight);
    // Howto, now disabled, handed the focus on to Scores.
    seen << FocusedButton(info);
    // Enter presses Scores; Escape closes the table and then Info. (The
    // offscreen platform gives a dialog opened from a dialog no keyboard,
    // so these keys go to the windows themselves.)
    WhenModal([&seen](QWidget* table) {
      seen << table->objectName();
      QTest::keyClick(table, Qt::Key_Escape);
      CloseIfOpen(table);
    });
    Type(info, Qt::Key_Return);
    EXPECT_EQ(QApplication::activeModalWidget(), info);
    QTest::keyClick(info, Qt::Key_Escape);
    CloseIfOpen(info);
  });
  program.Key(Qt::Key_F1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(seen.join(QLatin1Char(' ')).toStdString(),
            "BackButton HowButton ScoresButton Highscore");
  EXPECT_EQ(program.State().Paused, 0);
}

}  // namespace
