// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score window, and what a win shows in it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "program.h"

using namespace brelvox::ui;

namespace {

using uitest::Child;
using uitest::Program;
using uitest::WhenModal;
using uitest::WinByClicks;

TEST(HighscoreTest, DefaultTableInAFixedGrid) {
  Program program;
  THighscore scores{program.window.Logic()};
  EXPECT_EQ(scores.windowTitle(), QStringLiteral("Highscore"));
  EXPECT_EQ(scores.size(), QSize(518, 227));
  EXPECT_EQ(Child<QTableWidget>(&scores, "Table")->geometry(), QRect(16, 16, 487, 153));
  EXPECT_EQ(Child<QPushButton>(&scores, "BackButton")->geometry(), QRect(227, 183, 73, 33));
  EXPECT_EQ(Child<QTableWidget>(&scores, "Table")->rowCount(), 6);
  EXPECT_EQ(Child<QTableWidget>(&scores, "Table")->columnCount(), 4);
  EXPECT_EQ(Child<QTableWidget>(&scores, "Table")->selectionMode(), QAbstractItemView::NoSelection);
  EXPECT_EQ(Child<QTableWidget>(&scores, "Table")->verticalScrollBarPolicy(),
            Qt::ScrollBarAlwaysOff);
  const char* headings[4] = {"Easy", "Standard", "Difficult", "Hard"};
  for (int col = 0; col < 4; ++col) {
    EXPECT_EQ(Child<QTableWidget>(&scores, "Table")->item(0, col)->text(),
              QString::fromLatin1(headings[col]));
    for (int row = 1; row <= 5; ++row)
      EXPECT_EQ(Child<QTableWidget>(&scores, "Table")->item(row, col)->text(),
                QStringLiteral("99:59 by Nobody"));
  }
}

TEST(HighscoreTest, WinAsksTheNameAndShowsItInTheTable) {
  Program program;
  program.New(0);
  std::vector<QString> seen;
  WinByClicks(program, [&seen](QWidget* modal) {
    if (auto* prompt = qobject_cast<QInputDialog*>(modal)) {
      seen.push_back(QStringLiteral("prompt"));
      prompt->setTextValue(QStringLiteral("Ada"));
      prompt->accept();
    } else if (auto* table = qobject_cast<THighscore*>(modal)) {
      seen.push_back(Child<QTableWidget>(table, "Table")->item(1, 0)->text());
      seen.push_back(Child<QTableWidget>(table, "Table")->item(2, 0)->text());
      Child<QPushButton>(table, "BackButton")->click();
    } else {
      seen.push_back(QStringLiteral("unexpected"));
      modal->close();
    }
  });
  ASSERT_EQ(program.State().GameOver, 1);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], QStringLiteral("prompt"));
  EXPECT_EQ(seen[1], QStringLiteral("0:0 by Ada"));
  EXPECT_EQ(seen[2], QStringLiteral("99:59 by Nobody"));
  EXPECT_TRUE(QFile::exists(program.dir.filePath(QStringLiteral("Brelvox.hi"))));
}

TEST(HighscoreTest, UnwritableFileShowsTheErrorAndKeepsTheEntryForNow) {
  Program program;
  ASSERT_TRUE(QDir(program.dir.path()).mkdir(QStringLiteral("Brelvox.hi")));
  program.New(0);
  std::vector<QString> seen;
  WinByClicks(program, [&seen](QWidget* modal) {
    if (auto* prompt = qobject_cast<QInputDialog*>(modal)) {
      seen.push_back(QStringLiteral("prompt"));
      prompt->reject();  // Cancel: the entry is kept with an empty name
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen.push_back(box->text());
      EXPECT_EQ(box->icon(), QMessageBox::Critical);
      box->button(QMessageBox::Ok)->click();
    } else if (auto* table = qobject_cast<THighscore*>(modal)) {
      seen.push_back(Child<QTableWidget>(table, "Table")->item(1, 0)->text());
      Child<QPushButton>(table, "BackButton")->click();
    } else {
      modal->close();
    }
  });
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], QStringLiteral("prompt"));
  EXPECT_EQ(seen[1], QStringLiteral("Can't write to file Brelvox.hi!"));
  EXPECT_EQ(seen[2], QStringLiteral("0:0 by "));
  EXPECT_TRUE(QFileInfo(program.dir.filePath(QStringLiteral("Brelvox.hi"))).isDir());
}

TEST(HighscoreTest, LongNameEndsInAnEllipsisAndIsWholeWhereItCanBeRead) {
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("Brelvox.hi")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Zo\xC3\xAB \xC3\x86r\xC3\xB8slund-Wijnaldum\r\n100\r\n");
  for (int i = 1; i < 20; ++i) file.write("Nobody\r\n5999\r\n");
  file.close();
  TMainWindow window{dir.path().toStdString()};  // reads the scores
  THighscore scores{window.Logic()};
  scores.show();
  auto* table = Child<QTableWidget>(&scores, "Table");
  const QString whole = QStringLiteral("1:40 by Zo\u00EB \u00C6r\u00F8slund-Wijnaldum");
  ASSERT_EQ(table->item(1, 0)->text(), whole);
  EXPECT_EQ(table->item(1, 0)->toolTip(), whole);

  // The cell shows the text cut with "..." at its edge: its right end is
  // not what a wide enough cell shows there, and a short entry is untouched.
  const QRect cell = table->visualRect(table->model()->index(1, 0));
  const QRect inside(0, 0, cell.width() - 1, cell.height() - 1);  // no grid lines
  const QImage narrow = table->viewport()->grab(cell).toImage().copy(inside);
  const QRect below = cell.translated(0, cell.height());
  const QImage plain = table->viewport()->grab(below).toImage().copy(inside);
  table->setColumnWidth(0, 400);
  const QImage wide = table->viewport()->grab(cell).toImage().copy(inside);
  EXPECT_NE(narrow, wide);
  EXPECT_EQ(narrow.copy(0, 0, 30, inside.height()), wide.copy(0, 0, 30, inside.height()));
  EXPECT_EQ(plain, table->viewport()->grab(below).toImage().copy(inside));

  // Enabled and readable: Tab reaches it from Back, and a screen reader
  // finds every cell's whole text.
  EXPECT_TRUE(table->isEnabled());
  EXPECT_EQ(table->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table);
  ASSERT_NE(view, nullptr);
  ASSERT_NE(view->tableInterface(), nullptr);
  QAccessibleInterface* entry = view->tableInterface()->cellAt(1, 0);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->text(QAccessible::Name), whole);
  EXPECT_FALSE(entry->state().disabled);
}

}  // namespace
