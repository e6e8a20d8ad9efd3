// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keyboard_control.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

#include "app/main_window_logic.h"

namespace brelvox::ui {

KeyboardControl::KeyboardControl(QWidget& window, brelvox::MainWindowLogic& logic,
                                 const Buttons& buttons)
    : QObject(&window), window_(window), logic_(logic), buttons_(buttons) {}

bool KeyboardControl::CursorShown() const {
  return logic_.Controls().cursorShown;
}

int KeyboardControl::CursorCol() const {
  return logic_.Controls().cursorCol;
}

int KeyboardControl::CursorRow() const {
  return logic_.Controls().cursorRow;
}

void KeyboardControl::CursorMoved() {
  emit CursorChanged();
}

void KeyboardControl::MoveAt(Move move, int col, int row) {
  logic_.MoveAtCell(move, col, row);
}

std::optional<Command> KeyboardControl::CommandFor(const QKeyEvent& event) {
  const int key = event.key();
  if (const auto command = CommandOf(key, event.modifiers())) return command;
  // A layout without Latin letters, or a letter key's other symbols: the
  // key acts as the one the US layout has in its place.
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return std::nullopt;
  const int usKey = UsLayoutKey(event.nativeScanCode());
  if (usKey == 0) return std::nullopt;
  return CommandOf(usKey, event.modifiers());
}

bool KeyboardControl::KeyPress(const QKeyEvent& event) {
  const bool first = held_.Pressed(event);
  const std::optional<Command> command = CommandFor(event);
  if (!command) return false;
  if (first || Declaration(*command).repeats) Run(*command);
  return true;
}

QAbstractButton* KeyboardControl::ButtonOf(Command command) const {
  switch (command) {
    case Command::New:
      return buttons_.newButton;
    case Command::Pause:
      return buttons_.pauseButton;
    case Command::Hint:
      return buttons_.hintButton;
    case Command::Sound:
      return buttons_.soundButton;
    case Command::Info:
      return buttons_.infoButton;
    case Command::BiggerCells:
      return buttons_.upButton;
    case Command::SmallerCells:
      return buttons_.downButton;
    default:
      return nullptr;
  }
}

void KeyboardControl::Run(Command command) {
  using brelvox::CursorStep;
  if (QAbstractButton* button = ButtonOf(command)) {
    button->click();  // which a disabled button ignores
    return;
  }
  switch (command) {
    case Command::Close:
      window_.close();
      return;
    case Command::CursorLeft:
      return logic_.CursorKey(CursorStep::Left);
    case Command::CursorRight:
      return logic_.CursorKey(CursorStep::Right);
    case Command::CursorUp:
      return logic_.CursorKey(CursorStep::Up);
    case Command::CursorDown:
      return logic_.CursorKey(CursorStep::Down);
    case Command::FirstColumn:
      return logic_.CursorKey(CursorStep::FirstColumn);
    case Command::LastColumn:
      return logic_.CursorKey(CursorStep::LastColumn);
    case Command::FirstRow:
      return logic_.CursorKey(CursorStep::FirstRow);
    case Command::LastRow:
      return logic_.CursorKey(CursorStep::LastRow);
    case Command::Uncover:
      return logic_.MoveKey(Move::Uncover);
    case Command::Mark:
      return logic_.MoveKey(Move::Mark);
    case Command::Chord:
      return logic_.MoveKey(Move::Chord);
    default:
      return;  // the toolbar's, above
  }
}

}  // namespace brelvox::ui
