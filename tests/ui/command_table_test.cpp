// SPDX-License-Identifier: GPL-3.0-or-later
// The command table against what the player reads: the manual page's list
// of keys and the key names in the help.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>

#include "dialogs/info_dialog.h"
#include "program.h"
#include "widgets/command_table.h"

using namespace brelvox::ui;

namespace {

// A key as the manual page spells it: Qt's portable name, with a plus or
// minus key written out.
QString ManualName(QKeyCombination key) {
  QString name = QKeySequence(key).toString(QKeySequence::PortableText);
  if (name.endsWith(QStringLiteral("++")))
    name.replace(name.size() - 1, 1, QStringLiteral("Plus"));
  else if (name.endsWith(QStringLiteral("+-")))
    name.replace(name.size() - 1, 1, QStringLiteral("Minus"));
  return name;
}

// The keys the manual page lists under "Keys": the bold words of each
// entry's first line.
QStringList KeysInManualPage() {
  QFile file(QStringLiteral(BRELVOX_SOURCE_DIR "/dist/brelvox.6"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  QStringList keys;
  const qsizetype start = lines.indexOf(QStringLiteral(".SS Keys"));
  for (qsizetype i = start + 1; start >= 0 && i + 1 < lines.size(); ++i) {
    if (lines[i].startsWith(QStringLiteral(".S"))) break;
    if (lines[i] != QStringLiteral(".TP")) continue;
    QString entry = lines[i + 1];
    entry.remove(QRegularExpression(QStringLiteral("^\\.BR? |\"[^\"]*\"")));
    keys << entry.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  }
  return keys;
}

TEST(CommandTableTest, ManualPageListsEveryKeyOfTheTableAndNoOther) {
  QStringList table;
  for (const CommandDeclaration& declaration : Commands())
    for (const QKeyCombination key : declaration.keys)
      if (key != QKeyCombination(Qt::Key_unknown)) table << ManualName(key);
  QStringList manual = KeysInManualPage();
  table.sort();
  manual.sort();
  EXPECT_EQ(manual.join(QLatin1Char(' ')).toStdString(),
            table.join(QLatin1Char(' ')).toStdString());
}

// The help names every key of the commands it speaks of; the arrows it
// names as a group.
TEST(CommandTableTest, HelpNamesTheKeysOfTheTable) {
  const QString help = TInfo::HelpText().join(QLatin1Char(' '));
  for (const CommandDeclaration& declaration : Commands()) {
    if (declaration.command >= Command::CursorLeft && declaration.command <= Command::CursorDown)
      continue;
    for (const QKeyCombination key : declaration.keys) {
      if (key == QKeyCombination(Qt::Key_unknown)) continue;
      const QString name = QKeySequence(key).toString(QKeySequence::NativeText);
      EXPECT_TRUE(help.contains(name)) << name.toStdString();
    }
  }
  EXPECT_FALSE(help.contains(QLatin1Char('%'))) << help.toStdString();
}

// The toolbar's tooltips name caption and key, and follow a new caption.
TEST(CommandTableTest, ToolbarNamesItsKeys) {
  uitest::Program program;
  program.New(0);
  const auto button = [&program](const char* name) {
    return uitest::Child<QPushButton>(&program.window, name);
  };
  EXPECT_EQ(button("HintButton")->toolTip(), QStringLiteral("Hint (H)"));
  EXPECT_EQ(button("UpButton")->toolTip(), QStringLiteral("Bigger cells (Ctrl++)"));
  EXPECT_EQ(button("NewButton")->accessibleDescription(),
            QStringLiteral("Chooses a level and starts a new game (Ctrl+N, F2)"));
  button("PauseButton")->click();
  EXPECT_EQ(button("PauseButton")->toolTip(), QStringLiteral("Play (P)"));
}

}  // namespace
