// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed English texts the game logic hands to the windows (button
// captions, messages, score headings, the default name), in the player's
// language.
#pragma once

#include <QString>
#include <string>

namespace brelvox::ui {

// `english` in the player's language; a text the logic never gives comes
// back unchanged.
QString LogicText(const std::string& english);

// A text of the main window's own (marked with QT_TRANSLATE_NOOP in the
// "brelvox::ui::TMainWindow" context) in the player's language.
QString WindowText(const char* english);

}  // namespace brelvox::ui
