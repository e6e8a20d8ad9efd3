// SPDX-License-Identifier: GPL-3.0-or-later
// The font of every window's controls.
#pragma once

#include <QFont>

namespace brelvox::ui {

// The control font of every window: 13-pixel "MS Sans Serif".
inline QFont ControlFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(13);
  return font;
}

}  // namespace brelvox::ui
