// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands, each declared once with the keys that run it,
// its text and what it does, as assistive tools read it. The keyboard's
// shortcuts, the toolbar's tooltips and descriptions, and the key names in
// the help all come from this table.
#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <QString>
#include <array>
#include <optional>

namespace brelvox::ui {

enum class Command {
  New,
  Pause,
  Hint,
  Sound,
  Info,
  BiggerCells,
  SmallerCells,
  Close,
  CursorLeft,
  CursorRight,
  CursorUp,
  CursorDown,
  FirstColumn,
  LastColumn,
  FirstRow,
  LastRow,
  Uncover,
  Mark,
  Chord
};
inline constexpr int kCommandCount = static_cast<int>(Command::Chord) + 1;

struct CommandDeclaration {
  Command command;
  const char* text;         // in English; translated in the main window's context
  const char* description;  // likewise
  // The keys, the first the one a tooltip names; unused places hold
  // Qt::Key_unknown. Shift is never part of a key: Ctrl+Plus is Ctrl with
  // whatever key gives a plus.
  std::array<QKeyCombination, 3> keys;
  bool repeats;  // a held key runs the command again at each repeat
};

// The table, in the order of `Command`.
const std::array<CommandDeclaration, kCommandCount>& Commands();
const CommandDeclaration& Declaration(Command command);

QString CommandText(Command command);
QString CommandDescription(Command command);
// The command's keys by the names the player's language gives them, joined
// by `separator` ("P, Pause").
QString KeyNames(Command command, const QString& separator = QStringLiteral(", "));
// What a toolbar button shows under the pointer: its caption and its first
// key ("Hint (H)").
QString ToolTip(const QString& caption, Command command);

// The command that `key` runs with `modifiers` down (Shift and the keypad
// do not count), if any.
std::optional<Command> CommandOf(int key, Qt::KeyboardModifiers modifiers);

}  // namespace brelvox::ui
