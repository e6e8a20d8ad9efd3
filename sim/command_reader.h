// Reads the driver's command lines.
#pragma once

#include <cstdint>
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
  Quit
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
};

struct Ignored {};  // blank and comment lines
struct Error {
  std::string text;
};

using ParsedLine = std::variant<Ignored, Command, Error>;

// One line without its LF (a CR before the LF is removed by the caller).
ParsedLine ParseLine(std::string_view line);

}  // namespace brelvox::sim
