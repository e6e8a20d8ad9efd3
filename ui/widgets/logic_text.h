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

}  // namespace brelvox::ui
