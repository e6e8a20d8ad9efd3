// SPDX-License-Identifier: GPL-3.0-or-later
#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>

// fontconfig keeps the configuration it loads as its current one, which is
// the one Qt's font database asks for later.
FontConfigWarmUp::FontConfigWarmUp() : reader_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
  Finish();
}

void FontConfigWarmUp::Finish() {
  if (reader_.joinable()) reader_.join();
}
