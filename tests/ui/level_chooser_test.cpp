// SPDX-License-Identifier: GPL-3.0-or-later
// The level chooser of the New command.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/score_table.h"
#include "game/level_table.h"
#include "program.h"

using namespace brelvox::ui;

namespace {

using uitest::Child;
using uitest::Program;
using uitest::WhenModal;

TEST(LevelChooserTest, SelectionDescriptionAndResults) {
  Program program;
  // First opening: easy. Cancel before any game keeps the toolbar-only height.
  TLevelChoose* opened = nullptr;
  WhenModal([&opened](QWidget* modal) {
    auto* c = qobject_cast<TLevelChoose*>(modal);
    ASSERT_NE(c, nullptr);
    opened = c;
    EXPECT_TRUE(Child<QRadioButton>(c, "levelItem0")->isChecked());
    EXPECT_TRUE(
        Child<QLabel>(c, "description")->text().startsWith(QStringLiteral("easy:\n8 * 8 size\n")));
    Child<QRadioButton>(c, "levelItem2")->click();
    EXPECT_EQ(Child<QLabel>(c, "description")->text(),
              QStringLiteral("diffcult:\n30 * 16 size\n88 mines hidden\n"
                             "1 hint allowed\nbe careful with those "
                             "hints!"));
    Child<QPushButton>(c, "Cancel")->click();
  });
  Child<QPushButton>(&program.window, "NewButton")->click();
  ASSERT_NE(opened, nullptr);
  TLevelChoose& chooser = *opened;
  EXPECT_EQ(chooser.ChosenLevel, -1);
  EXPECT_EQ(chooser.windowTitle(), QStringLiteral("choose a level"));
  EXPECT_EQ(chooser.size(), QSize(375, 184));
  EXPECT_EQ(Child<QGroupBox>(&chooser, "level")->title(), QStringLiteral("choose a level:"));
  EXPECT_EQ(Child<QGroupBox>(&chooser, "GroupBox1")->title(), QStringLiteral("characteristics:"));
  EXPECT_EQ(Child<QPushButton>(&chooser, "Start")->geometry(), QRect(200, 136, 73, 33));
  EXPECT_EQ(Child<QPushButton>(&chooser, "Cancel")->geometry(), QRect(288, 136, 73, 33));
  EXPECT_EQ(program.window.height(), 50);
  EXPECT_FALSE(Child<QPushButton>(&program.window, "HintButton")->isEnabled());
  EXPECT_EQ(program.State().GameOver, 1);

  // The selection survives; the close box counts as Cancel.
  WhenModal([](QWidget* modal) {
    auto* c = qobject_cast<TLevelChoose*>(modal);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(Child<QRadioButton>(c, "levelItem2")->isChecked());
    EXPECT_TRUE(Child<QLabel>(c, "description")->text().startsWith(QStringLiteral("diffcult:")));
    Child<QRadioButton>(c, "levelItem3")->click();
    c->close();
  });
  EXPECT_EQ(chooser.Run(), -1);

  WhenModal([](QWidget* modal) {
    auto* c = qobject_cast<TLevelChoose*>(modal);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(Child<QRadioButton>(c, "levelItem3")->isChecked());
    EXPECT_TRUE(Child<QLabel>(c, "description")->text().startsWith(QStringLiteral("hard:")));
    Child<QPushButton>(c, "Start")->click();
  });
  EXPECT_EQ(chooser.Run(), 3);
}

}  // namespace

namespace {

// The chooser's names and descriptions and the score table's headings say
// what the level table holds.
TEST(LevelChooserTest, NamesAndDescriptionsMatchTheLevelTable) {
  TLevelChoose chooser;
  for (int level = 0; level < brelvox::kLevelCount; ++level) {
    SCOPED_TRACE(level);
    const QString name =
        uitest::Child<QRadioButton>(&chooser, ("levelItem" + std::to_string(level)).c_str())
            ->text();
    const QString heading = QString::fromStdString(brelvox::ScoreTable::Heading(level));
    EXPECT_EQ(name.toLower(), heading.toLower());

    const QStringList lines =
        QString::fromLatin1(TLevelChoose::LevelDescriptions[level]).split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 5);
    const int cols = brelvox::LevelTable::Columns[level];
    const int rows = brelvox::LevelTable::Rows[level];
    const int hints = brelvox::LevelTable::Hints[level];
    EXPECT_EQ(lines[1], QStringLiteral("%1 * %2 size").arg(cols).arg(rows));
    EXPECT_EQ(lines[2], QStringLiteral("%1 mines hidden").arg(brelvox::LevelTable::Mines[level]));
    EXPECT_EQ(lines[3], QStringLiteral("%1 %2 allowed")
                            .arg(hints)
                            .arg(hints == 1 ? QStringLiteral("hint") : QStringLiteral("hints")));
  }
}

}  // namespace
