// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace brelvox::ui {

// fontconfig keeps the configuration it loads as its current one, which is
// the one Qt's font database asks for later.
std::jthread ReadFontConfigInBackground() {
  return std::jthread([] { FcInit(); });
}

}  // namespace brelvox::ui
