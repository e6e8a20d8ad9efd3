// SPDX-License-Identifier: GPL-3.0-or-later
// Whole brelvox-sim sessions on arbitrary input, in a scratch folder that
// holds the six cue files and starts without settings or scores each time.
// The session must end with status 0 or 2, and the files it leaves must read
// back.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/score_file.h"
#include "app/settings_file.h"
#include "app/text_lines.h"
#include "scratch_dir.h"
#include "sim/driver.h"
#include "tests/support/text_files.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "session fuzzer: %s\n", what);
    std::abort();
  }
}

void Prepare() {
  static bool done = false;
  if (!done) {
    for (const char* wave :
         {"click.wav", "mark.wav", "Hint.wav", "HintOK.wav", "bang.wav", "Win.wav"}) {
      fuzz::ScratchFile(wave, "RIFF");
    }
    done = true;
  }
  std::error_code ec;
  std::filesystem::remove(fuzz::ScratchDir() + "/Brelvox.ini", ec);
  std::filesystem::remove(fuzz::ScratchDir() + "/Brelvox.hi", ec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Prepare();
  // A fixed seed first, so that the same input always plays the same game.
  std::string input = "seed 1\n";
  input.append(reinterpret_cast<const char*>(data), size);
  std::FILE* in = ::fmemopen(input.data(), input.size(), "r");
  char* printed = nullptr;
  std::size_t printedSize = 0;
  std::FILE* out = ::open_memstream(&printed, &printedSize);
  Check(in != nullptr && out != nullptr, "cannot open the memory streams");
  const int status = brelvox::sim::RunSession(in, out, fuzz::ScratchDir());
  std::fclose(in);
  std::fclose(out);
  Check(status == 0 || status == 2, "exit status other than 0 or 2");
  Check(printedSize == 0 || printed[printedSize - 1] == '\n', "output ends inside a line");
  std::free(printed);

  const std::string dir = fuzz::ScratchDir();
  const auto settings = brelvox::ReadLeadingLines(dir + "/Brelvox.ini", 6, false);
  Check(settings && brelvox::ParseDisplaySizes(*settings), "the settings file does not read back");
  if (std::filesystem::exists(dir + "/Brelvox.hi")) {
    const auto scores = brelvox::ReadLeadingLines(dir + "/Brelvox.hi", 41, true);
    Check(scores && scores->size() == brelvox::kScoreFileLines && brelvox::ParseScoreLines(*scores),
          "the score file does not read back");
  }
  return 0;
}
