// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/command_table.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr QKeyCombination kNoKey = Qt::Key_unknown;

// The texts are the main window's.
#define WINDOW_TEXT(text) QT_TRANSLATE_NOOP("TMainWindow", text)

constexpr std::array<CommandDeclaration, kCommandCount> kCommands{{
    {Command::New,
     WINDOW_TEXT("New"),
     WINDOW_TEXT("Chooses a level and starts a new game"),
     {Qt::CTRL | Qt::Key_N, Qt::Key_F2, kNoKey},
     false},
    {Command::Pause,
     WINDOW_TEXT("Pause"),
     WINDOW_TEXT("Hides the board and stops the clock"),
     {Qt::Key_P, Qt::Key_Pause, kNoKey},
     false},
    {Command::Hint,
     WINDOW_TEXT("Hint"),
     WINDOW_TEXT("Makes a safe move for you; the counter beside it shows the hints left"),
     {Qt::Key_H, kNoKey, kNoKey},
     false},
    {Command::Sound,
     WINDOW_TEXT("Sound"),
     WINDOW_TEXT("Switches the sound cues off or on"),
     {Qt::Key_S, kNoKey, kNoKey},
     false},
    {Command::Info,
     WINDOW_TEXT("Info"),
     WINDOW_TEXT("Shows the help and the best times"),
     {Qt::Key_F1, kNoKey, kNoKey},
     false},
    {Command::BiggerCells,
     WINDOW_TEXT("Bigger cells"),
     WINDOW_TEXT("Makes the cells of this level bigger"),
     {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal, kNoKey},
     false},
    {Command::SmallerCells,
     WINDOW_TEXT("Smaller cells"),
     WINDOW_TEXT("Makes the cells of this level smaller"),
     {Qt::CTRL | Qt::Key_Minus, kNoKey, kNoKey},
     false},
    {Command::Close,
     WINDOW_TEXT("Close"),
     WINDOW_TEXT("Closes the game"),
     {Qt::CTRL | Qt::Key_Q, kNoKey, kNoKey},
     false},
    {Command::CursorLeft,
     WINDOW_TEXT("Left"),
     WINDOW_TEXT("Moves the frame one cell left"),
     {Qt::Key_Left, kNoKey, kNoKey},
     true},
    {Command::CursorRight,
     WINDOW_TEXT("Right"),
     WINDOW_TEXT("Moves the frame one cell right"),
     {Qt::Key_Right, kNoKey, kNoKey},
     true},
    {Command::CursorUp,
     WINDOW_TEXT("Up"),
     WINDOW_TEXT("Moves the frame one cell up"),
     {Qt::Key_Up, kNoKey, kNoKey},
     true},
    {Command::CursorDown,
     WINDOW_TEXT("Down"),
     WINDOW_TEXT("Moves the frame one cell down"),
     {Qt::Key_Down, kNoKey, kNoKey},
     true},
    {Command::FirstColumn,
     WINDOW_TEXT("First column"),
     WINDOW_TEXT("Moves the frame to the first column"),
     {Qt::Key_Home, kNoKey, kNoKey},
     true},
    {Command::LastColumn,
     WINDOW_TEXT("Last column"),
     WINDOW_TEXT("Moves the frame to the last column"),
     {Qt::Key_End, kNoKey, kNoKey},
     true},
    {Command::FirstRow,
     WINDOW_TEXT("First row"),
     WINDOW_TEXT("Moves the frame to the first row"),
     {Qt::Key_PageUp, kNoKey, kNoKey},
     true},
    {Command::LastRow,
     WINDOW_TEXT("Last row"),
     WINDOW_TEXT("Moves the frame to the last row"),
     {Qt::Key_PageDown, kNoKey, kNoKey},
     true},
    {Command::Uncover,
     WINDOW_TEXT("Uncover"),
     WINDOW_TEXT("Uncovers the framed cell"),
     {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter},
     false},
    {Command::Mark,
     WINDOW_TEXT("Mark"),
     WINDOW_TEXT("Marks or unmarks the framed cell"),
     {Qt::Key_F, Qt::CTRL | Qt::Key_Space, kNoKey},
     false},
    {Command::Chord,
     WINDOW_TEXT("Uncover around"),
     WINDOW_TEXT("Uncovers the cells around the framed cell"),
     {Qt::Key_D, kNoKey, kNoKey},
     false},
}};

#undef WINDOW_TEXT

constexpr bool InCommandOrder() {
  for (int i = 0; i < kCommandCount; ++i)
    if (static_cast<int>(kCommands[i].command) != i) return false;
  return true;
}
static_assert(InCommandOrder(), "the table lists the commands in their order");

// The modifiers that make a key another command.
constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

QString Translated(const char* english) {
  return QCoreApplication::translate("TMainWindow", english);
}

}  // namespace

const std::array<CommandDeclaration, kCommandCount>& Commands() {
  return kCommands;
}

const CommandDeclaration& Declaration(Command command) {
  return kCommands[static_cast<int>(command)];
}

QString CommandText(Command command) {
  return Translated(Declaration(command).text);
}

QString CommandDescription(Command command) {
  return Translated(Declaration(command).description);
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
