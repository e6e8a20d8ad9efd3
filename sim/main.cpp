// SPDX-License-Identifier: GPL-3.0-or-later
// brelvox-sim: the whole game without a window, driven by commands on
// standard input, printing what the window would show.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "app/standard_streams.h"
#include "sim/driver.h"

namespace {

constexpr const char* kUsage =
    "Usage: brelvox-sim [options] < COMMANDS\n"
    "Plays Brelvox without a window: reads one command a line from standard input\n"
    "and prints what the window would show. Like the game it reads and writes\n"
    "Brelvox.ini and Brelvox.hi in the working directory. See brelvox-sim(6).\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n";

// Answers --help and --version, and refuses anything else, before the game
// touches a file. Returns the exit status, or -1 when the run goes ahead.
int HandleArguments(int argc, char** argv) {
  if (argc <= 1) return -1;
  const char* arg = argv[1];
  const bool help = std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0;
  const bool version = std::strcmp(arg, "--version") == 0 || std::strcmp(arg, "-v") == 0;
  if (argc > 2 || (!help && !version)) {
    const char* wrong = help || version ? argv[2] : arg;
    std::fprintf(stderr, "brelvox-sim: unexpected argument '%s'\n%s", wrong, kUsage);
    return 2;
  }
  if (help) {
    std::fputs(kUsage, stdout);
  } else {
    std::printf("brelvox-sim %s\n", BRELVOX_VERSION);
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "brelvox-sim: cannot write the answer: %s\n", std::strerror(errno));
    return brelvox::sim::kFailed;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (const int status = HandleArguments(argc, argv); status >= 0) return status;
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
