// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told after each move, and what it reads of the
// board: the words for a change, and the running window saying them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>

#include "board/board_accessible.h"
#include "game/board.h"
#include "program.h"
#include "widgets/spoken_notice.h"
#include "window/narrator.h"

using namespace brelvox::ui;

namespace {

using brelvox::cellCovered;
using brelvox::cellMarked;
using brelvox::cellMine;
using brelvox::cellWrongMark;
using Moment = Narrator::Moment;

// An easy board, all covered, with the cursor on (col, row).
Moment Covered(int col, int row) {
  Moment m;
  m.cells.assign(64, cellCovered);
  m.cols = 8;
  m.cursorCol = col;
  m.cursorRow = row;
  m.hintsLeft = 4;
  return m;
}

QString Said(const Moment& before, const Moment& now) {
  return Narrator::Difference(before, now);
}

TEST(NarrationTest, TellsTheCursorCellAndHowFarAFloodWent) {
  const Moment before = Covered(2, 1);
  Moment flood = before;
  for (int i = 8; i < 14; ++i) flood.cells[i] = i < 12 ? 0 : 1;
  EXPECT_EQ(Said(before, flood), QStringLiteral("empty, 6 cells uncovered"));
  Moment marked = before;
  marked.cells[10] = cellMarked;
  EXPECT_EQ(Said(before, marked), QStringLiteral("marked"));
  EXPECT_EQ(Said(marked, before), QStringLiteral("covered"));
  // A change the cursor did not make (a click, a chord) says where it was.
  Moment elsewhere = before;
  elsewhere.cells[63] = 3;
  EXPECT_EQ(Said(before, elsewhere), QStringLiteral("row 8, column 8: 3"));
  EXPECT_EQ(Said(before, before), QString());
}

TEST(NarrationTest, AHintNamesItsCellThenWhatBecameOfIt) {
  Moment before = Covered(0, 0);
  before.cells[9] = cellMarked;  // a wrong mark, which the hint takes away
  Moment started = before;
  started.cells[9] = cellCovered;
  started.hintSteps = 10;
  started.hintCol = 1;
  started.hintRow = 1;
  started.hintsLeft = 3;
  EXPECT_EQ(Said(before, started), QStringLiteral("Hint: row 2, column 2. Hints left: 3"));
  Moment blinking = started;
  blinking.hintSteps = 9;
  EXPECT_EQ(Said(started, blinking), QString());
  Moment done = blinking;
  done.hintSteps = 0;
  done.cells[9] = 2;
  EXPECT_EQ(Said(blinking, done), QStringLiteral("row 2, column 2: 2"));
  // With no safe move to show, the hint's free move is told as the hint's.
  Moment free = before;
  free.cells[63] = 0;
  free.cells[62] = 1;
  free.hintAsked = true;
  EXPECT_EQ(Said(before, free), QStringLiteral("Hint: row 8, column 7: 1, 2 cells uncovered"));
}

TEST(NarrationTest, TheEndPauseAndSound) {
  const Moment before = Covered(3, 3);
  // A loss tells the cursor cell, not the whole final picture.
  Moment lost = before;
  lost.over = true;
  lost.cells[27] = cellMine;
  lost.cells[0] = cellMine;
  lost.cells[5] = cellWrongMark;
  EXPECT_EQ(Said(before, lost), QStringLiteral("mine. You lost"));
  Moment won = before;
  won.over = won.won = true;
  won.cells[27] = 1;
  won.seconds = 83;
  EXPECT_EQ(Said(before, won), QStringLiteral("1. You won in 83 seconds"));
  // While paused no cell is news; the sound switch always is.
  Moment paused = before;
  paused.paused = true;
  paused.soundOn = true;
  EXPECT_EQ(Said(before, paused), QStringLiteral("Paused. Sound on"));
  EXPECT_EQ(Said(paused, before), QStringLiteral("Resumed. Sound off"));
  Moment changed = paused;
  changed.cells[27] = 2;
  EXPECT_EQ(Said(paused, changed), QString());
}

// The running window: the board's cells follow the final picture, read
// nothing while paused, and each move is said.
TEST(NarrationTest, TheWindowSaysEachMoveAndItsBoardShowsTheEnd) {
  uitest::Program program;
  program.window.Logic().SetRandomSeed(20261208);
  program.New(0);
  QCoreApplication::processEvents();
  const brelvox::GameState& state = program.State();
  QPoint mine(-1, -1);
  QPoint safe(-1, -1);
  for (int i = 0; i < 64; ++i) {
    const bool isMine = state.board.at(brelvox::ContentLayer, i % 8, i / 8) == cellMine;
    if (isMine && mine.x() < 0) mine = QPoint(i % 8, i / 8);
    if (!isMine && state.board.at(brelvox::ShownLayer, i % 8, i / 8) == cellCovered)
      safe = QPoint(i % 8, i / 8);
  }
  auto* notice = uitest::Child<SpokenNotice>(&program.window, "SpokenNotice");
  QAccessibleInterface* board =
      QAccessible::queryAccessibleInterface(uitest::Child(&program.window, "Board"));
  ASSERT_NE(board, nullptr);
  auto cellName = [board](QPoint at) {
    QAccessibleInterface* cell = board->tableInterface()->cellAt(at.y(), at.x());
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("(none)");
  };

  program.window.Logic().MoveAtCell(brelvox::CellMove::Mark, safe.x(), safe.y());
  QCoreApplication::processEvents();
  EXPECT_EQ(notice->LastSaid(),
            QStringLiteral("row %1, column %2: marked").arg(safe.y() + 1).arg(safe.x() + 1));
  program.window.Logic().PauseButtonClickIfEnabled();
  EXPECT_EQ(board->childCount(), 0);
  EXPECT_EQ(cellName(safe), QStringLiteral("(none)"));
  program.window.Logic().PauseButtonClickIfEnabled();
  EXPECT_EQ(board->childCount(), 64);

  program.window.Logic().MoveAtCell(brelvox::CellMove::Uncover, mine.x(), mine.y());
  QCoreApplication::processEvents();
  EXPECT_TRUE(notice->LastSaid().endsWith(QStringLiteral("You lost")))
      << notice->LastSaid().toStdString();
  EXPECT_EQ(cellName(safe), QStringLiteral("wrong mark"));
  EXPECT_EQ(cellName(mine), QStringLiteral("mine"));
}

}  // namespace
