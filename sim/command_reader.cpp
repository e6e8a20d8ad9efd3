// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/command_reader.h"

#include <vector>

namespace brelvox::sim {
namespace {

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t p = 0;
  while (p < line.size()) {
    while (p < line.size() && line[p] == ' ') ++p;
    const std::size_t start = p;
    while (p < line.size() && line[p] != ' ') ++p;
    if (p > start) words.push_back(line.substr(start, p - start));
  }
  return words;
}

// Decimal digits only, leading zeros allowed, no sign, at most `max`.
bool ParseNumber(std::string_view word, std::uint64_t max, std::uint64_t& value) {
  if (word.empty()) return false;
  value = 0;
  for (char ch : word) {
    if (ch < '0' || ch > '9') return false;
    value = value * 10 + static_cast<unsigned>(ch - '0');
    if (value > max) return false;
  }
  return true;
}

bool ParseLevel(std::string_view word, int& level) {
  bool negative = false;
  if (!word.empty() && word[0] == '-') {
    negative = true;
    word.remove_prefix(1);
  }
  std::uint64_t value = 0;
  if (!ParseNumber(word, kLevelCount - 1, value)) return false;
  level = negative ? -static_cast<int>(value) : static_cast<int>(value);
  return level >= -1;
}

bool ParseButton(std::string_view word, MouseButtons& button, char& letter) {
  if (word == "left") {
    button = kLeftButton;
    letter = 'l';
  } else if (word == "right") {
    button = kRightButton;
    letter = 'r';
  } else if (word == "middle") {
    button = kMiddleButton;
    letter = 'm';
  } else {
    return false;
  }
  return true;
}

bool ParseHeld(std::string_view word, char required, unsigned& held) {
  held = 0;
  bool hasRequired = false;
  for (char ch : word) {
    const unsigned bit = ch == 'l'   ? kLeftButton
                         : ch == 'r' ? kRightButton
                         : ch == 'm' ? kMiddleButton
                                     : 0u;
    if (bit == 0 || (held & bit)) return false;
    held |= bit;
    hasRequired = hasRequired || ch == required;
  }
  return hasRequired;
}

constexpr std::uint64_t kMaxPixel = 2147483647;

using Words = std::vector<std::string_view>;

// `name` keeps everything after the one blank that follows the word.
bool ParseName(std::string_view rest, Command& cmd) {
  if (rest.substr(0, 4) != "name" || (rest.size() > 4 && rest[4] != ' ')) return false;
  cmd.verb = Verb::Name;
  cmd.hasName = rest.size() > 4;
  if (cmd.hasName) cmd.name = std::string(rest.substr(5));
  return true;
}

// The commands without arguments; false when `verb` is none of them.
bool ParsePlain(std::string_view verb, Verb& found) {
  static constexpr struct {
    const char* word;
    Verb verb;
  } kPlain[] = {{"hint", Verb::Hint},     {"pause", Verb::Pause},   {"sound", Verb::Sound},
                {"info", Verb::Info},     {"bigger", Verb::Bigger}, {"smaller", Verb::Smaller},
                {"second", Verb::Second}, {"tick", Verb::Tick},     {"dump", Verb::Dump},
                {"quit", Verb::Quit}};
  for (const auto& plain : kPlain) {
    if (verb == plain.word) {
      found = plain.verb;
      return true;
    }
  }
  return false;
}

ParsedLine ParseSeed(const Words& words, Command& cmd) {
  std::uint64_t seed = 0;
  if (words.size() != 2) return Error{"seed needs one argument"};
  if (!ParseNumber(words[1], 4294967295ULL, seed)) return Error{"bad seed"};
  cmd.verb = Verb::Seed;
  cmd.seed = static_cast<std::uint32_t>(seed);
  return cmd;
}

ParsedLine ParseScreen(const Words& words, Command& cmd) {
  std::uint64_t width = 0;
  std::uint64_t height = 0;
  if (words.size() != 3) return Error{"screen needs two arguments"};
  if (!ParseNumber(words[1], kMaxPixel, width) || !ParseNumber(words[2], kMaxPixel, height)) {
    return Error{"bad screen size"};
  }
  cmd.verb = Verb::Screen;
  cmd.width = static_cast<int>(width);
  cmd.height = static_cast<int>(height);
  return cmd;
}

ParsedLine ParseNew(const Words& words, Command& cmd) {
  if (words.size() != 2) return Error{"new needs one argument"};
  if (!ParseLevel(words[1], cmd.level)) return Error{"bad level"};
  cmd.verb = Verb::New;
  return cmd;
}

ParsedLine ParsePress(const Words& words, Command& cmd) {
  std::uint64_t x = 0;
  std::uint64_t y = 0;
  if (words.size() != 5) return Error{"press needs four arguments"};
  char letter = 0;
  if (!ParseButton(words[1], cmd.button, letter)) return Error{"bad button"};
  if (!ParseHeld(words[2], letter, cmd.held)) return Error{"bad held buttons"};
  if (!ParseNumber(words[3], kMaxPixel, x) || !ParseNumber(words[4], kMaxPixel, y)) {
    return Error{"bad coordinates"};
  }
  cmd.verb = Verb::Press;
  cmd.x = static_cast<int>(x);
  cmd.y = static_cast<int>(y);
  return cmd;
}

// The cursor keys by their names, the move keys by what they do.
ParsedLine ParseKey(const Words& words, Command& cmd) {
  static constexpr struct {
    const char* word;
    CursorStep step;
  } kCursorKeys[] = {{"left", CursorStep::Left},
                     {"right", CursorStep::Right},
                     {"up", CursorStep::Up},
                     {"down", CursorStep::Down},
                     {"home", CursorStep::FirstColumn},
                     {"end", CursorStep::LastColumn},
                     {"pageup", CursorStep::FirstRow},
                     {"pagedown", CursorStep::LastRow}};
  static constexpr struct {
    const char* word;
    CellMove move;
  } kMoveKeys[] = {
      {"uncover", CellMove::Uncover}, {"mark", CellMove::Mark}, {"chord", CellMove::Chord}};
  if (words.size() != 2) return Error{"key needs one argument"};
  for (const auto& key : kCursorKeys) {
    if (words[1] == key.word) {
      cmd.verb = Verb::CursorKey;
      cmd.step = key.step;
      return cmd;
    }
  }
  for (const auto& key : kMoveKeys) {
    if (words[1] == key.word) {
      cmd.verb = Verb::MoveKey;
      cmd.move = key.move;
      return cmd;
    }
  }
  return Error{"bad key"};
}

}  // namespace

ParsedLine ParseLine(std::string_view line) {
  if (!line.empty() && line[0] == '#') return Ignored{};
  std::size_t first = 0;
  while (first < line.size() && line[first] == ' ') ++first;
  if (first == line.size()) return Ignored{};

  Command cmd;
  if (ParseName(line.substr(first), cmd)) return cmd;
  if (line.find('\t') != std::string_view::npos) return Error{"tab in command"};

  const Words words = SplitWords(line);
  const std::string_view verb = words[0];
  if (ParsePlain(verb, cmd.verb)) {
    if (words.size() != 1) return Error{"no arguments expected"};
    return cmd;
  }
  static constexpr struct {
    const char* word;
    ParsedLine (*parse)(const Words&, Command&);
  } kWithArguments[] = {{"seed", ParseSeed},
                        {"screen", ParseScreen},
                        {"new", ParseNew},
                        {"press", ParsePress},
                        {"key", ParseKey}};
  for (const auto& command : kWithArguments) {
    if (verb == command.word) return command.parse(words, cmd);
  }
  return Error{"unknown command: " + std::string(verb)};
}

LineRead ReadLine(std::FILE* in, std::string& line) {
  line.clear();
  bool longer = false;
  bool any = false;
  int ch;
  while ((ch = getc_unlocked(in)) != EOF) {
    any = true;
    if (ch == '\n') break;
    // One byte beyond the limit is kept: a CR there may still be dropped.
    if (line.size() <= kMaxLineBytes) {
      line.push_back(static_cast<char>(ch));
    } else {
      longer = true;
    }
  }
  if (std::ferror(in)) return LineRead::Failed;
  if (!any) return LineRead::End;
  if (ch == '\n' && !longer && !line.empty() && line.back() == '\r') line.pop_back();
  if (longer || line.size() > kMaxLineBytes) {
    line.resize(kMaxLineBytes);
    return LineRead::TooLong;
  }
  return LineRead::Line;
}

}  // namespace brelvox::sim
