// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program.
#include "shell/game_start.h"

int main(int argc, char** argv) {
  return brelvox::ui::RunGame(argc, argv);
}
