// brelvox-sim: the whole game without a window, driven by commands on
// standard input, printing what the window would show.
#include <cstdio>

#include "sim/driver.h"

int main() {
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  return brelvox::sim::RunSession(stdin, stdout, {});
}
