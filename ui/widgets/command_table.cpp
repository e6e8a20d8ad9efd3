// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/command_table.h"

#include <QCoreApplication>
#include <QStringList>

#include "widgets/logic_text.h"

namespace brelvox::ui {

namespace {

constexpr QKeyCombination kNoKey = Qt::Key_unknown;

// The texts are the main window's.
constexpr std::array<CommandDeclaration, kCommandCount> kCommands{{
    {Command::New,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "New"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Chooses a level and starts a new game"),
     {Qt::CTRL | Qt::Key_N, Qt::Key_F2, kNoKey},
     false},
    {Command::Pause,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Pause"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Hides the board and stops the clock"),
     {Qt::Key_P, Qt::Key_Pause, kNoKey},
     false},
    {Command::Hint,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Hint"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow",
                       "Makes a safe move for you; the counter beside it shows the hints left"),
     {Qt::Key_H, kNoKey, kNoKey},
     false},
    {Command::Sound,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Sound"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Switches the sound cues off or on"),
     {Qt::Key_S, kNoKey, kNoKey},
     false},
    {Command::Info,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Info"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Shows the help and the best times"),
     {Qt::Key_F1, kNoKey, kNoKey},
     false},
    {Command::BiggerCells,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Bigger cells"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Makes the cells of this level bigger"),
     {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal, kNoKey},
     false},
    {Command::SmallerCells,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Smaller cells"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Makes the cells of this level smaller"),
     {Qt::CTRL | Qt::Key_Minus, kNoKey, kNoKey},
     false},
    {Command::Close,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Close"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Closes the game"),
     {Qt::CTRL | Qt::Key_Q, kNoKey, kNoKey},
     false},
    {Command::CursorLeft,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Left"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Moves the frame one cell left"),
     {Qt::Key_Left, kNoKey, kNoKey},
     true},
    {Command::CursorRight,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Right"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Moves the frame one cell right"),
     {Qt::Key_Right, kNoKey, kNoKey},
     true},
    {Command::CursorUp,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Up"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Moves the frame one cell up"),
     {Qt::Key_Up, kNoKey, kNoKey},
     true},
    {Command::CursorDown,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Down"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Moves the frame one cell down"),
     {Qt::Key_Down, kNoKey, kNoKey},
     true},
    {Command::FirstColumn,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "First column"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Moves the frame to the first column"),
     {Qt::Key_Home, kNoKey, kNoKey},
     true},
    {Command::LastColumn,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Last column"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Moves the frame to the last column"),
     {Qt::Key_End, kNoKey, kNoKey},
     true},
    {Command::FirstRow,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "First row"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Moves the frame to the first row"),
     {Qt::Key_PageUp, kNoKey, kNoKey},
     true},
    {Command::LastRow,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Last row"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Moves the frame to the last row"),
     {Qt::Key_PageDown, kNoKey, kNoKey},
     true},
    {Command::Uncover,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Uncover"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Uncovers the framed cell"),
     {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter},
     false},
    {Command::Mark,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Mark"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Marks or unmarks the framed cell"),
     {Qt::Key_F, Qt::CTRL | Qt::Key_Space, kNoKey},
     false},
    {Command::Chord,
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Uncover around"),
     QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Uncovers the cells around the framed cell"),
     {Qt::Key_D, kNoKey, kNoKey},
     false},
}};

constexpr bool InCommandOrder() {
  for (int i = 0; i < kCommandCount; ++i)
    if (static_cast<int>(kCommands[i].command) != i) return false;
  return true;
}
static_assert(InCommandOrder(), "the table lists the commands in their order");

// The modifiers that make a key another command.
constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

const std::array<CommandDeclaration, kCommandCount>& Commands() {
  return kCommands;
}

const CommandDeclaration& Declaration(Command command) {
  return kCommands[static_cast<int>(command)];
}

QString CommandText(Command command) {
  return WindowText(Declaration(command).text);
}

QString CommandDescription(Command command) {
  return WindowText(Declaration(command).description);
}

QString KeyNames(Command command, const QString& separator) {
  QStringList names;
  for (const QKeyCombination key : Declaration(command).keys)
    if (key != kNoKey) names << QKeySequence(key).toString(QKeySequence::NativeText);
  return names.join(separator);
}

QString ToolTip(const QString& caption, Command command) {
  const QKeySequence first(Declaration(command).keys[0]);
  return QStringLiteral("%1 (%2)").arg(caption, first.toString(QKeySequence::NativeText));
}

std::optional<Command> CommandOf(int key, Qt::KeyboardModifiers modifiers) {
  const QKeyCombination pressed(modifiers & kCommandModifiers, static_cast<Qt::Key>(key));
  for (const CommandDeclaration& declaration : kCommands)
    for (const QKeyCombination candidate : declaration.keys)
      if (candidate != kNoKey && candidate == pressed) return declaration.command;
  return std::nullopt;
}

}  // namespace brelvox::ui
