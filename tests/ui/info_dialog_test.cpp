// SPDX-License-Identifier: GPL-3.0-or-later
// The info dialog: its picture, its help list and the folding Howto... button.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "program.h"

using namespace brelvox::ui;

namespace {

using uitest::Child;
using uitest::Program;
using uitest::WhenModal;

TEST(InfoDialogTest, FoldsOnEveryOpeningAndUnfoldsOnce) {
  Program program;
  ASSERT_EQ(TInfo::HelpText().size(), 64);
  TInfo* opened = nullptr;
  WhenModal([&opened](QWidget* modal) {
    opened = qobject_cast<TInfo*>(modal);
    ASSERT_NE(opened, nullptr);
    TInfo& info = *opened;
    EXPECT_EQ(Child<QListWidget>(&info, "ListBox1")->count(), 64);
    EXPECT_EQ(Child<QListWidget>(&info, "ListBox1")->item(0)->text(),
              QStringLiteral("How to play Brelvox"));
    EXPECT_EQ(Child<QListWidget>(&info, "ListBox1")->item(8)->text(),
              QStringLiteral("according to your screen resulution,"));
    EXPECT_EQ(Child<QListWidget>(&info, "ListBox1")->item(28)->text(),
              QStringLiteral("beause you can only guess which field"));
    EXPECT_FALSE(Child<QLabel>(&info, "Image1")->pixmap().isNull());
    EXPECT_EQ(info.size(), QSize(330, 245));
    EXPECT_EQ(Child<QLabel>(&info, "Version")->text(), QStringLiteral("Ver. 1.2"));
    Child<QPushButton>(&info, "HowButton")->click();
    EXPECT_EQ(info.height(), 456);
    EXPECT_FALSE(Child<QPushButton>(&info, "HowButton")->isEnabled());
    // Scores opens the table on top; Back there returns to the unfolded info.
    WhenModal([](QWidget* table) {
      ASSERT_NE(qobject_cast<THighscore*>(table), nullptr);
      Child<QPushButton>(table, "BackButton")->click();
    });
    Child<QPushButton>(&info, "ScoresButton")->click();
    EXPECT_EQ(info.height(), 456);
    info.close();  // the close box keeps the height
  });
  Child<QPushButton>(&program.window, "InfoButton")->click();
  ASSERT_NE(opened, nullptr);
  TInfo& info = *opened;
  EXPECT_EQ(info.height(), 456);
  // Info before any game leaves the window at the toolbar-only height.
  EXPECT_EQ(program.window.height(), 50);

  WhenModal([&info](QWidget* modal) {
    ASSERT_EQ(modal, &info);  // the same dialog each time
    EXPECT_EQ(info.height(), 245);
    EXPECT_TRUE(Child<QPushButton>(&info, "HowButton")->isEnabled());
    Child<QPushButton>(&info, "BackButton")->click();
  });
  Child<QPushButton>(&program.window, "InfoButton")->click();
  EXPECT_EQ(info.height(), 245);
}

TEST(InfoDialogTest, HelpLinesFitTheList) {
  Program program;
  TInfo info{program.window.Logic(), [] {}};
  info.show();
  info.setFixedHeight(TInfo::kUnfoldedHeight);
  QApplication::processEvents();
  const QListWidget* list = Child<QListWidget>(&info, "ListBox1");
  const QFontMetrics metrics(list->font());
  const int room = list->viewport()->width() - 4;
  for (const QString& line : TInfo::HelpText())
    EXPECT_LE(metrics.horizontalAdvance(line), room) << line.toStdString();
}

TEST(InfoDialogTest, TheDialogScrollsTheHelpByKeys) {
  Program program;
  TInfo info{program.window.Logic(), [] {}};
  info.show();
  QApplication::processEvents();
  const QScrollBar* bar = Child<QListWidget>(&info, "ListBox1")->verticalScrollBar();
  QWidget* back = Child(&info, "BackButton");
  // Folded, the keys leave the hidden help alone.
  QTest::keyClick(back, Qt::Key_End);
  EXPECT_EQ(bar->value(), 0);
  Child<QPushButton>(&info, "HowButton")->click();
  QApplication::processEvents();
  ASSERT_GT(bar->maximum(), 40);
  // An arrow that no button takes for a focus move scrolls by a line.
  QTest::keyClick(&info, Qt::Key_Down);
  EXPECT_EQ(bar->value(), 1);
  QTest::keyClick(back, Qt::Key_PageDown);
  EXPECT_GT(bar->value(), 5);
  QTest::keyClick(back, Qt::Key_End);
  EXPECT_EQ(bar->value(), bar->maximum());
  QTest::keyClick(back, Qt::Key_PageUp);
  EXPECT_LT(bar->value(), bar->maximum());
  QTest::keyClick(back, Qt::Key_Home);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(Child<QListWidget>(&info, "ListBox1")->focusPolicy(), Qt::NoFocus);
}

}  // namespace
