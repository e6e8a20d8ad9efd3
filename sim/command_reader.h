// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the driver's command lines.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <variant>

#include "app/main_window_logic.h"

namespace brelvox::sim {

enum class Verb {
  Seed,
  Screen,
  New,
  Press,
  Hint,
  Pause,
  Sound,
  Info,
  Bigger,
  Smaller,
  Second,
  Tick,
  Name,
  Dump,
  Quit,
  CursorKey,  // key left, right, up, down, home, end, pageup, pagedown
  MoveKey,    // key uncover, mark, chord
};

struct Command {
  Verb verb = Verb::Dump;
  std::uint32_t seed = 0;
  int level = 0;                      // new: -1 .. 3
  int width = 0, height = 0;          // screen
  MouseButtons button = kLeftButton;  // press
  unsigned held = 0;
  int x = 0, y = 0;
  bool hasName = false;  // name: false means later prompts are cancelled
  std::string name;
  CursorStep step = CursorStep::Left;  // cursor keys
  CellMove move = CellMove::Uncover;   // move keys
};

struct Ignored {};  // blank and comment lines
struct Error {
  std::string text;
};

using ParsedLine = std::variant<Ignored, Command, Error>;

// One line without its LF (a CR before the LF is removed by the caller).
ParsedLine ParseLine(std::string_view line);

// No command is this long: of a longer line only this much is kept.
inline constexpr std::size_t kMaxLineBytes = 65536;

enum class LineRead {
  Line,     // `line` holds the next line, without its LF and a CR right before it
  TooLong,  // the line was longer than kMaxLineBytes; `line` holds its beginning
  End,      // no more input
  Failed,   // the input could not be read (errno tells why)
};

// Reads the next line from `in`. The rest of a line that is too long is read
// and dropped, so memory never follows the input.
LineRead ReadLine(std::FILE* in, std::string& line);

}  // namespace brelvox::sim
