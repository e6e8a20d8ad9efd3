// SPDX-License-Identifier: GPL-3.0-or-later
// brelvox-sim: the whole game without a window, driven by commands on
// standard input, printing what the window would show.
#include <csignal>
#include <cstdio>

#include "app/standard_streams.h"
#include "sim/driver.h"

int main() {
  // Without its commands or a place for its output the run cannot mean
  // anything; the closed ones are filled first so no file takes their number.
  const unsigned closed = brelvox::OpenClosedStandardStreams();
  if (closed & 3) {
    std::fprintf(stderr, "brelvox-sim: standard %s is closed\n", closed & 1 ? "input" : "output");
    return brelvox::sim::kFailed;
  }
  // Past a file-size limit a write must fail (and the old file stay), not
  // kill the program; so must a write to a pipe nobody reads any more.
  std::signal(SIGXFSZ, SIG_IGN);
  std::signal(SIGPIPE, SIG_IGN);
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  return brelvox::sim::RunSession(stdin, stdout, {});
}
