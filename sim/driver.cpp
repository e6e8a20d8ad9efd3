// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/driver.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "app/main_window_logic.h"
#include "game/clock_time.h"
#include "game/level_table.h"
#include "sim/command_reader.h"
#include "sim/print_view.h"

namespace brelvox::sim {
namespace {

void Dump(const MainWindowLogic& logic, std::FILE* out) {
  const GameState& s = logic.State();
  const ControlStates& c = logic.Controls();
  std::fprintf(out,
               "state Level=%d GameOver=%d Paused=%d Cols=%d Rows=%d Mines=%d HintsLeft=%d "
               "CellSize=%d CellSizes=%d,%d,%d,%d Seconds=%d SoundOn=%d BlinkPhase=%d "
               "AnimSteps=%d AnimCol=%d AnimRow=%d\n",
               s.CurrentLevel, s.GameOver, s.Paused, s.Cols, s.Rows, s.MineCount,
               static_cast<int>(s.HintsLeft), s.CellSize, static_cast<int>(s.CellSizes[0]),
               static_cast<int>(s.CellSizes[1]), static_cast<int>(s.CellSizes[2]),
               static_cast<int>(s.CellSizes[3]), static_cast<int>(WholeSeconds(s.Elapsed)),
               s.SoundOn, s.BlinkPhase, static_cast<int>(s.AnimSteps), static_cast<int>(s.AnimCol),
               static_cast<int>(s.AnimRow));
  std::fprintf(out,
               "controls PauseButton=%d HintButton=%d TimeTimer=%d Interval=%d Width=%d "
               "Height=%d DigHint=%d DigS=%d DigM=%d DigH=%d DigSVisible=%d DigMVisible=%d "
               "DigHVisible=%d PauseCaption=%s SoundCaption=%s\n",
               c.pauseEnabled, c.hintEnabled, c.timerEnabled, c.interval, c.width, c.height,
               static_cast<int>(c.value(Display::DigHint)),
               static_cast<int>(c.value(Display::DigS)), static_cast<int>(c.value(Display::DigM)),
               static_cast<int>(c.value(Display::DigH)), c.visible(Display::DigS),
               c.visible(Display::DigM), c.visible(Display::DigH), c.pauseCaption.c_str(),
               c.soundCaption.c_str());
  for (const int layer : {ContentLayer, ShownLayer}) {
    for (int row = 0; row < s.Rows; ++row) {
      std::string line = layer == ContentLayer ? "content " : "shown ";
      line += std::to_string(row);
      line += ' ';
      for (int col = 0; col < s.Cols; ++col) line += CellCodeChar(s.board.at(layer, col, row));
      line += '\n';
      std::fwrite(line.data(), 1, line.size(), out);
    }
  }
  const ScoreTable& scores = logic.Scores();
  for (int level = 0; level < kLevelCount; ++level) {
    for (int rank = 1; rank <= kRanks; ++rank) {
      const std::string& name = scores.names[level][rank - 1];
      std::fprintf(out, "score %d %d %u ", level, rank,
                   static_cast<unsigned>(scores.times[level][rank - 1]));
      std::fwrite(name.data(), 1, name.size(), out);
      std::fputc('\n', out);
    }
  }
}

// Runs one command; false when it ends the session.
bool Execute(const Command& cmd, MainWindowLogic& logic, DialogAnswers& answers, std::FILE* out) {
  switch (cmd.verb) {
    case Verb::Seed:
      logic.SetRandomSeed(cmd.seed);
      break;
    case Verb::Screen:
      answers.screen = {cmd.width, cmd.height};
      break;
    case Verb::New:
      answers.level = cmd.level;
      logic.NewButtonClick();
      break;
    case Verb::Press:
      logic.FormMouseDown(cmd.button, cmd.held, cmd.x, cmd.y);
      break;
    case Verb::Hint:
      logic.HintButtonClickIfEnabled();
      break;
    case Verb::Pause:
      logic.PauseButtonClickIfEnabled();
      break;
    case Verb::Sound:
      logic.SoundButtonClick();
      break;
    case Verb::Info:
      logic.InfoButtonClick();
      break;
    case Verb::Bigger:
      logic.UpButtonClick();
      break;
    case Verb::Smaller:
      logic.DownButtonClick();
      break;
    case Verb::Second:
      logic.TimeTimerTimer();
      break;
    case Verb::Tick:
      logic.AnimatorTimer();
      break;
    case Verb::CursorKey:
      logic.CursorKey(cmd.step);
      break;
    case Verb::MoveKey:
      logic.MoveKey(cmd.move);
      break;
    case Verb::Name:
      answers.nameGiven = cmd.hasName;
      answers.name = cmd.name;
      break;
    case Verb::Dump:
      Dump(logic, out);
      break;
    case Verb::Quit:
      return false;
  }
  return true;
}

// Prints `error TEXT`, its control and non-ASCII bytes as '?'.
void PrintError(const std::string& what, std::FILE* out) {
  std::string text = "error " + what;
  for (char& ch : text) {
    if (static_cast<unsigned char>(ch) < 0x20 || static_cast<unsigned char>(ch) > 0x7E) ch = '?';
  }
  text += '\n';
  std::fwrite(text.data(), 1, text.size(), out);
}

struct Outcome {
  bool anyError = false;  // a malformed line
  bool readFailed = false;
  int readErrno = 0;
};

// Reads and runs the commands up to `quit`, the end of the input, or output
// that cannot be written (which ends the run as the end of the input would).
Outcome RunCommands(std::FILE* in, std::FILE* out, MainWindowLogic& logic, DialogAnswers& answers) {
  Outcome outcome;
  std::string buffer;
  while (!std::ferror(out)) {
    const LineRead read = ReadLine(in, buffer);
    if (read == LineRead::End) break;
    if (read == LineRead::Failed) {
      outcome.readFailed = true;
      outcome.readErrno = errno;
      break;
    }
    if (read == LineRead::TooLong) {
      if (buffer[0] != '#') {
        PrintError("line longer than " + std::to_string(kMaxLineBytes) + " bytes", out);
        outcome.anyError = true;
      }
      continue;
    }
    const ParsedLine parsed = ParseLine(buffer);
    if (const auto* error = std::get_if<Error>(&parsed)) {
      PrintError(error->text, out);
      outcome.anyError = true;
      continue;
    }
    const auto* cmd = std::get_if<Command>(&parsed);
    if (cmd != nullptr && !Execute(*cmd, logic, answers, out)) break;
  }
  return outcome;
}

}  // namespace

int RunSession(std::FILE* in, std::FILE* out, const std::filesystem::path& directory) {
  DialogAnswers answers;
  PrintView view(out, answers);
  MainWindowLogic logic(view, directory);
  logic.FormCreate();
  logic.ReadScores();

  const Outcome outcome = RunCommands(in, out, logic, answers);
  logic.FormClose();
  if (outcome.readFailed) {
    std::fprintf(stderr, "brelvox-sim: cannot read the commands: %s\n",
                 std::strerror(outcome.readErrno));
  }
  if (std::fflush(out) != 0 || std::ferror(out)) {
    std::fputs("brelvox-sim: cannot write the output\n", stderr);
    return kFailed;
  }
  if (outcome.readFailed) return kFailed;
  return outcome.anyError ? 2 : 0;
}

}  // namespace brelvox::sim
