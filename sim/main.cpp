// brelvox-sim: the whole game without a window, driven by commands on
// standard input, printing what the window would show.
#include <csignal>
#include <cstdio>

#include "sim/driver.h"

int main() {
  // Past a file-size limit a write must fail (and the old file stay), not
  // kill the program.
  std::signal(SIGXFSZ, SIG_IGN);
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  return brelvox::sim::RunSession(stdin, stdout, {});
}
