// SPDX-License-Identifier: GPL-3.0-or-later
// The main window around the game logic: toolbar layout, window sizes per
// level, pause, the size buttons, mouse input reaching the board, and the
// message box and name prompt it shows.
#include <gtest/gtest.h>

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "game/level_table.h"
#include "widgets/bevel_panel.h"
#include "widgets/glyph_button.h"
#include "widgets/vex_digital.h"

#include "program.h"

using namespace brelvox::ui;

namespace {

using brelvox::LevelTable;
using uitest::BoardOf;
using uitest::Child;
using uitest::CoveredCell;
using uitest::Program;
using uitest::WhenModal;

TEST(MainWindowTest, ToolbarLayoutAtStart) {
  Program program;
  TMainWindow& w = program.window;
  EXPECT_EQ(w.size(), QSize(603, 49));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Brelvox"));
  EXPECT_EQ(Child<BevelPanel>(&w, "Panel1")->geometry(), QRect(0, 0, 603, 49));

  // Every toolbar widget, found by its name.
  struct Expected {
    const char* name;
    const char* parent;
    QRect rect;
  };
  const Expected layout[] = {
      {"NewButton", "Panel1", {8, 8, 73, 33}},    {"SoundButton", "Panel1", {88, 8, 73, 33}},
      {"InfoButton", "Panel1", {168, 8, 73, 33}}, {"PauseButton", "Panel1", {248, 8, 73, 33}},
      {"HintButton", "Panel1", {328, 8, 73, 33}}, {"DigHint", "Panel1", {408, 8, 27, 33}},
      {"Panel3", "Panel1", {441, 8, 129, 33}},    {"DigH", "Panel3", {4, 4, 41, 25}},
      {"DigM", "Panel3", {44, 4, 41, 25}},        {"DigS", "Panel3", {84, 4, 41, 25}},
      {"UpButton", "Panel1", {576, 6, 18, 19}},   {"DownButton", "Panel1", {576, 24, 18, 19}},
  };
  for (const Expected& e : layout) {
    SCOPED_TRACE(e.name);
    QWidget* widget = Child(&w, e.name);
    EXPECT_EQ(widget->geometry(), e.rect);
    EXPECT_EQ(widget->parentWidget(), Child(&w, e.parent));
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
      EXPECT_FALSE(button->icon().isNull());
    }
  }
  EXPECT_EQ(Child<QPushButton>(&w, "NewButton")->text(), QStringLiteral("New"));
  EXPECT_EQ(Child<QPushButton>(&w, "SoundButton")->text(), QStringLiteral("Silent"));
  EXPECT_EQ(Child<QPushButton>(&w, "InfoButton")->text(), QStringLiteral("Info"));
  EXPECT_EQ(Child<QPushButton>(&w, "PauseButton")->text(), QStringLiteral("Pause"));
  EXPECT_EQ(Child<QPushButton>(&w, "HintButton")->text(), QStringLiteral("Hint"));
  EXPECT_TRUE(Child<QPushButton>(&w, "UpButton")->text().isEmpty());

  // No game yet: Pause, Hint and the clock are off, the animator runs.
  EXPECT_TRUE(Child<QPushButton>(&w, "NewButton")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(&w, "PauseButton")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(&w, "HintButton")->isEnabled());
  EXPECT_FALSE(Child<QTimer>(&w, "TimeTimer")->isActive());
  EXPECT_TRUE(Child<QTimer>(&w, "Animator")->isActive());
  EXPECT_EQ(Child<QTimer>(&w, "Animator")->interval(), 100);
  for (TVexDigital* clock : {Child<TVexDigital>(&w, "DigH"), Child<TVexDigital>(&w, "DigM"),
                             Child<TVexDigital>(&w, "DigS")})
    EXPECT_EQ(clock->DisplayText(), QStringLiteral("00"));
  EXPECT_EQ(Child<TVexDigital>(&w, "DigH")->Caption(), QStringLiteral("DigH"));
  EXPECT_TRUE(Child<TVexDigital>(&w, "DigHint")->Caption().isEmpty());
}

TEST(MainWindowTest, GlyphHalvesAndTransparentKey) {
  const QIcon icon = GlyphButton::LoadGlyph(QStringLiteral("glyph_new"));
  const QImage glyph = QImage(QStringLiteral(":/assets/glyph_new.png"));
  const QImage normal = icon.pixmap(16, 16, QIcon::Normal).toImage();
  const QImage disabled = icon.pixmap(16, 16, QIcon::Disabled).toImage();
  ASSERT_EQ(normal.size(), QSize(16, 16));
  EXPECT_EQ(qAlpha(normal.pixel(0, 15)), 0);
  EXPECT_EQ(qAlpha(disabled.pixel(0, 15)), 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      if (glyph.pixel(x, y) != glyph.pixel(0, 15)) {
        ASSERT_EQ(normal.pixel(x, y) | 0xFF000000, glyph.pixel(x, y) | 0xFF000000);
      }
      if (glyph.pixel(x + 16, y) != glyph.pixel(0, 15)) {
        ASSERT_EQ(disabled.pixel(x, y) | 0xFF000000, glyph.pixel(x + 16, y) | 0xFF000000);
      }
    }
}

TEST(MainWindowTest, ClientSizeAndBoardPerLevelAtDefaultSizes) {
  const int defaults[4] = {64, 31, 25, 21};
  Program program;
  TMainWindow& w = program.window;
  for (int level = 0; level < 4; ++level) {
    SCOPED_TRACE(level);
    program.New(level);
    const int cols = LevelTable::Columns[level], rows = LevelTable::Rows[level];
    const int size = defaults[level];
    // Outer sizes max(cols * size + 9, 609) x rows * size + 76, less the frame.
    EXPECT_EQ(w.size(), QSize(std::max(cols * size + 9, 609) - 6, rows * size + 52));
    EXPECT_EQ(Child<TVexDigital>(&w, "DigHint")->Value(), LevelTable::Hints[level]);
    EXPECT_TRUE(Child<QPushButton>(&w, "PauseButton")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(&w, "HintButton")->isEnabled());
    EXPECT_TRUE(Child<QTimer>(&w, "TimeTimer")->isActive());
    EXPECT_EQ(Child<QTimer>(&w, "TimeTimer")->interval(), 1000);
    EXPECT_EQ(Child<QPushButton>(&w, "PauseButton")->text(), QStringLiteral("Pause"));

    // The window shows the board's picture 49 pixels down.
    const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage board = BoardOf(program.State());
    ASSERT_EQ(board.size(), QSize(cols * size, rows * size));
    for (int y = 0; y < board.height(); y += 3)
      for (int x = 0; x < board.width(); x += 3)
        ASSERT_EQ(shown.pixel(x, y + 49), board.pixel(x, y)) << x << "," << y;
  }
}

TEST(MainWindowTest, PauseShrinksToTheToolbarAndBack) {
  Program program;
  TMainWindow& w = program.window;
  program.New(0);
  Child<QPushButton>(&w, "PauseButton")->click();
  EXPECT_EQ(w.height(), 50);  // outer 74
  EXPECT_EQ(Child<QPushButton>(&w, "PauseButton")->text(), QStringLiteral("Play"));
  EXPECT_FALSE(Child<QPushButton>(&w, "HintButton")->isEnabled());
  EXPECT_EQ(Child<QTimer>(&w, "TimeTimer")->interval(), 300);
  Child<QPushButton>(&w, "PauseButton")->click();
  EXPECT_EQ(w.height(), 564);
  EXPECT_EQ(Child<QPushButton>(&w, "PauseButton")->text(), QStringLiteral("Pause"));
  EXPECT_TRUE(Child<QPushButton>(&w, "HintButton")->isEnabled());
}

TEST(MainWindowTest, SizeButtonsResizeWindowAndPicture) {
  Program program;
  TMainWindow& w = program.window;
  program.New(1);
  Child<QPushButton>(&w, "DownButton")->click();
  EXPECT_EQ(w.size(), QSize(24 * 30 + 9 - 6, 16 * 30 + 52));
  EXPECT_EQ(program.State().CellSize, 30);
  const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.copy(0, 49, 24 * 30, 16 * 30),
            BoardOf(program.State(), 1, uitest::Drawn::CellByCell));
}

TEST(MainWindowTest, MousePressesReachTheBoard) {
  Program program;
  TMainWindow& w = program.window;
  program.New(1);
  const auto& state = program.State();
  const int size = state.CellSize;
  const QPoint cell = CoveredCell(state);
  ASSERT_GE(cell.x(), 0);
  const QPoint at(cell.x() * size + size / 2, 49 + cell.y() * size + size / 2);

  // A right press marks the cell, in the logic and in the window.
  QTest::mousePress(&w, Qt::RightButton, {}, at);
  QTest::mouseRelease(&w, Qt::RightButton, {}, at);
  EXPECT_EQ(state.board.at(brelvox::ShownLayer, cell.x(), cell.y()), brelvox::cellMarked);
  QApplication::processEvents();
  const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.pixel(at), BoardOf(state).pixel(at.x(), at.y() - 49));

  // A press in the toolbar row of the window does nothing.
  QTest::mousePress(&w, Qt::RightButton, {}, QPoint(at.x(), 48));
  QTest::mouseRelease(&w, Qt::RightButton, {}, QPoint(at.x(), 48));
  EXPECT_EQ(state.board.at(brelvox::ShownLayer, cell.x(), cell.y()), brelvox::cellMarked);

  // Left, then right while left is held: a chord around the marked cell
  // uncovers every unmarked neighbour (or loses the game on a mine).
  QTest::mousePress(&w, Qt::LeftButton, {}, at);
  QTest::mousePress(&w, Qt::RightButton, {}, at);
  QTest::mouseRelease(&w, Qt::RightButton, {}, at);
  QTest::mouseRelease(&w, Qt::LeftButton, {}, at);
  EXPECT_EQ(state.board.at(brelvox::ShownLayer, cell.x(), cell.y()), brelvox::cellMarked);
  if (!state.GameOver) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (state.InArea(cell.x() + dx, cell.y() + dy)) {
          EXPECT_NE(state.board.at(brelvox::ShownLayer, cell.x() + dx, cell.y() + dy),
                    brelvox::cellCovered);
        }
  }
}

TEST(PromptTest, MessageBoxAndNamePrompt) {
  Program program;
  WhenModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Too many hints..."));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->text(), QStringLiteral("first\nsecond"));
    EXPECT_EQ(box->buttons().size(), 1);
    box->button(QMessageBox::Ok)->click();
  });
  program.window.ShowMessage("Too many hints...", "first\rsecond", brelvox::MessageIcon::None);

  WhenModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    box->button(QMessageBox::Ok)->click();
  });
  program.window.ShowMessage("Error", "Can't write", brelvox::MessageIcon::Error);

  WhenModal([](QWidget* modal) {
    auto* prompt = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->windowTitle(), QStringLiteral("New highscore!"));
    EXPECT_EQ(prompt->labelText(), QStringLiteral("Enter your name:"));
    auto* edit = prompt->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    // The limit counts code points, as the score table does: 255 characters
    // outside the basic plane fit, a 256th character does not.
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    edit->insert(clef.repeated(255));
    edit->insert(QStringLiteral("a"));
    EXPECT_EQ(edit->text(), clef.repeated(255));
    prompt->accept();
  });
  const std::string clefs = program.window.AskName();
  EXPECT_EQ(brelvox::CleanName(clefs), clefs);
  EXPECT_EQ(clefs.size(), 4u * 255);

  WhenModal([](QWidget* modal) {
    auto* prompt = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(prompt, nullptr);
    prompt->setTextValue(QStringLiteral("Ada"));
    prompt->accept();
  });
  EXPECT_EQ(program.window.AskName(), "Ada");

  WhenModal([](QWidget* modal) {
    auto* prompt = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(prompt, nullptr);
    prompt->setTextValue(QStringLiteral("Bob"));
    prompt->close();
  });
  EXPECT_EQ(program.window.AskName(), "");
}

}  // namespace
