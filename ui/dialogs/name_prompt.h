// SPDX-License-Identifier: GPL-3.0-or-later
// The prompt for a player's name after a new best time. The name is limited
// as the score table counts it: in code points, whatever their length in
// UTF-16.
#pragma once

#include <string>

class QLineEdit;
class QWidget;

namespace brelvox::ui {

// Asks for the name over `parent`; empty after Cancel.
std::string AskPlayerName(QWidget* parent);

// Limits `edit` to the score table's name length; an edit that would go
// beyond it is refused, as with a maximum length.
void LimitToNameLength(QLineEdit* edit);

}  // namespace brelvox::ui
