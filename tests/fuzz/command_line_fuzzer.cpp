// SPDX-License-Identifier: GPL-3.0-or-later
// brelvox-sim's command reader on arbitrary lines: every value it accepts is
// within the protocol's ranges, an accepted command written back in its plain
// form reads the same, and blanks around a command other than `name` change
// nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "sim/command_reader.h"

namespace {

using brelvox::sim::Command;
using brelvox::sim::Verb;

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "command fuzzer: %s\n", what);
    std::abort();
  }
}

bool Same(const Command& a, const Command& b) {
  return a.verb == b.verb && a.seed == b.seed && a.level == b.level && a.width == b.width &&
         a.height == b.height && a.button == b.button && a.held == b.held && a.x == b.x &&
         a.y == b.y && a.hasName == b.hasName && a.name == b.name && a.step == b.step &&
         a.move == b.move;
}

std::string Held(unsigned held) {
  std::string letters;
  if (held & brelvox::kLeftButton) letters += 'l';
  if (held & brelvox::kRightButton) letters += 'r';
  if (held & brelvox::kMiddleButton) letters += 'm';
  return letters;
}

std::string Plain(const Command& c) {
  switch (c.verb) {
    case Verb::Seed:
      return "seed " + std::to_string(c.seed);
    case Verb::Screen:
      return "screen " + std::to_string(c.width) + " " + std::to_string(c.height);
    case Verb::New:
      return "new " + std::to_string(c.level);
    case Verb::Press: {
      const char* button = c.button == brelvox::kLeftButton    ? "left"
                           : c.button == brelvox::kRightButton ? "right"
                                                               : "middle";
      return std::string("press ") + button + " " + Held(c.held) + " " + std::to_string(c.x) + " " +
             std::to_string(c.y);
    }
    case Verb::Hint:
      return "hint";
    case Verb::Pause:
      return "pause";
    case Verb::Sound:
      return "sound";
    case Verb::Info:
      return "info";
    case Verb::Bigger:
      return "bigger";
    case Verb::Smaller:
      return "smaller";
    case Verb::Second:
      return "second";
    case Verb::Tick:
      return "tick";
    case Verb::Name:
      return c.hasName ? "name " + c.name : "name";
    case Verb::Dump:
      return "dump";
    case Verb::Quit:
      return "quit";
    case Verb::CursorKey: {
      static constexpr const char* kSteps[] = {"left", "right", "up",     "down",
                                               "home", "end",   "pageup", "pagedown"};
      return std::string("key ") + kSteps[static_cast<int>(c.step)];
    }
    case Verb::MoveKey: {
      static constexpr const char* kMoves[] = {"uncover", "mark", "chord"};
      return std::string("key ") + kMoves[static_cast<int>(c.move)];
    }
  }
  return "";
}

void CheckLine(std::string_view line) {
  const auto parsed = brelvox::sim::ParseLine(line);
  if (const auto* error = std::get_if<brelvox::sim::Error>(&parsed)) {
    Check(!error->text.empty(), "an error without text");
    return;
  }
  const auto* cmd = std::get_if<Command>(&parsed);
  if (cmd == nullptr) {
    // Ignored: blank, or a comment.
    Check(line.empty() || line[0] == '#' || line.find_first_not_of(' ') == std::string_view::npos,
          "a line with a command was ignored");
    return;
  }
  if (cmd->verb != Verb::Name) {
    Check(line.find('\t') == std::string_view::npos, "a TAB was accepted");
  }
  switch (cmd->verb) {
    case Verb::New:
      Check(cmd->level >= -1 && cmd->level <= 3, "level out of range");
      break;
    case Verb::Screen:
      Check(cmd->width >= 0 && cmd->height >= 0, "negative screen size");
      break;
    case Verb::Press:
      Check(cmd->x >= 0 && cmd->y >= 0, "negative pixel");
      Check((cmd->held & cmd->button) != 0, "held set without the pressed button");
      Check(cmd->held <= 7, "unknown held button");
      break;
    default:
      break;
  }
  const auto again = brelvox::sim::ParseLine(Plain(*cmd));
  const auto* same = std::get_if<Command>(&again);
  Check(same != nullptr && Same(*same, *cmd), "the plain form reads differently");
  if (cmd->verb != Verb::Name) {
    const std::string padded = "   " + std::string(line) + "  ";
    const auto spaced = brelvox::sim::ParseLine(padded);
    const auto* alike = std::get_if<Command>(&spaced);
    Check(alike != nullptr && Same(*alike, *cmd), "blanks around a command changed it");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Lines as the driver cuts them: at LF, one CR before it dropped.
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    CheckLine(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return 0;
}
