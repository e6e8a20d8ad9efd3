// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the main window: shortcuts press the toolbar buttons, and
// the board cursor makes the moves a mouse would, with its frame painted on
// the window only.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialogs/highscore_window.h"
#include "dialogs/info_dialog.h"
#include "dialogs/level_chooser.h"
#include "game/board.h"
#include "program.h"
#include "widgets/glyph_button.h"
#include "window/main_window.h"

namespace {

using uitest::Child;
using uitest::CursorCell;
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
  EXPECT_FALSE(CursorCell(program.window));
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

// Keys and mouse presses at the same cells leave the same layers.
TEST(KeyboardTest, CursorKeysMakeTheMouseMovesAtTheCellCentre) {
  Program keys(11);
  Program mouse(11);
  keys.New(1);
  WhenModal([](QWidget* modal) {
    uitest::PickLevel(modal, 1);
    Child<QPushButton>(modal, "Start")->click();
  });
  Child<QPushButton>(&mouse.window, "NewButton")->click();
  ASSERT_EQ(keys.State().Cols, 24);

  // The first arrow shows the cursor at the centre without moving it.
  keys.Key(Qt::Key_Left);
  EXPECT_EQ(CursorCell(keys.window), QPoint(12, 8));
  keys.Key(Qt::Key_End);
  keys.Key(Qt::Key_PageDown);
  EXPECT_EQ(CursorCell(keys.window), QPoint(23, 15));
  keys.Key(Qt::Key_Right);  // stops at the edge
  keys.Key(Qt::Key_Home);
  keys.Key(Qt::Key_PageUp);
  EXPECT_EQ(CursorCell(keys.window), QPoint(0, 0));

  const int size = mouse.State().CellSize;
  auto press = [&](int col, int row, Qt::MouseButton first, Qt::MouseButton second) {
    const QPoint at(col * size + size / 2, 49 + row * size + size / 2);
    QTest::mousePress(&mouse.window, first, {}, at);
    if (second != Qt::NoButton) QTest::mousePress(&mouse.window, second, {}, at);
    if (second != Qt::NoButton) QTest::mouseRelease(&mouse.window, second, {}, at);
    QTest::mouseRelease(&mouse.window, first, {}, at);
  };
  // Walk the top rows: mark every covered cell with F, unmark half with
  // Ctrl+Space, then uncover with Space / Enter and chord with D. The mouse
  // chord is its two presses, so the keys make the left press first.
  for (int col = 0; col < 24 && !keys.State().GameOver; ++col) {
    for (int row = 0; row < 3; ++row) {
      keys.Key(Qt::Key_F);
      press(col, row, Qt::RightButton, Qt::NoButton);
      if ((col + row) % 2) {
        keys.Key(Qt::Key_Space, Qt::ControlModifier);
        press(col, row, Qt::RightButton, Qt::NoButton);
        keys.Key(row ? Qt::Key_Return : Qt::Key_Space);
        press(col, row, Qt::LeftButton, Qt::NoButton);
      }
      if (col % 5 == 4) {
        keys.Key(Qt::Key_Space);
        keys.Key(Qt::Key_D);
        press(col, row, Qt::LeftButton, Qt::RightButton);
      }
      keys.Key(Qt::Key_Down);
    }
    keys.Key(Qt::Key_PageUp);
    keys.Key(Qt::Key_Right);
  }
  int changed = 0;
  for (int col = 0; col < 24; ++col)
    for (int row = 0; row < 3; ++row) changed += keys.Shown(col, row) != brelvox::cellCovered;
  EXPECT_GT(changed, 5);
  EXPECT_EQ(keys.State().GameOver, mouse.State().GameOver);
  EXPECT_EQ(keys.State().board.cells, mouse.State().board.cells);
}

TEST(KeyboardTest, CursorFrameIsOnTheWindowAndNeverInTheBoardPicture) {
  Program program;
  program.New(0);
  // The frame's rectangle in the window; empty while the cursor hides.
  auto frameRect = [&program] {
    const auto cell = CursorCell(program.window);
    const int size = program.State().CellSize;
    return cell ? QRect(cell->x() * size, 49 + cell->y() * size, size, size) : QRect();
  };
  EXPECT_FALSE(CursorCell(program.window));
  const int size = program.State().CellSize;
  const QImage before = program.Shot();

  program.Key(Qt::Key_Down);
  const QRect frame = frameRect();
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
  EXPECT_EQ(shot.pixel(frameRect().topLeft()), kFrameOuter);

  // Gone while paused, back afterwards; a new size moves it with the cell.
  program.Key(Qt::Key_P);
  EXPECT_TRUE(frameRect().isEmpty());
  program.Key(Qt::Key_P);
  program.Key(Qt::Key_Minus, Qt::ControlModifier);
  const int smaller = program.State().CellSize;
  ASSERT_LT(smaller, size);
  EXPECT_EQ(frameRect(), QRect(4 * smaller, 49 + 3 * smaller, smaller, smaller));
  shot = program.Shot();
  EXPECT_EQ(shot.pixel(frameRect().bottomRight()), kFrameOuter);

  // A cell change under the cursor repaints the cell, frame included.
  program.Key(Qt::Key_F);
  shot = program.Shot();
  EXPECT_EQ(shot.pixel(frameRect().topLeft()), kFrameOuter);
  const QImage marked = uitest::BoardOf(program.State(), 1, uitest::Drawn::CellByCell);
  EXPECT_EQ(shot.pixel(frameRect().center()), marked.pixel(frameRect().center() - QPoint(0, 49)));

  // A mouse press on the board hides it.
  const QPoint at = frameRect().center();
  QTest::mouseClick(&program.window, Qt::RightButton, {}, at);
  EXPECT_FALSE(CursorCell(program.window));
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
