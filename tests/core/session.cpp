// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>

namespace brelvox::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "brelvox-test-XXXXXX").string();
  path_ = ::mkdtemp(pattern.data());
}

TempDir::~TempDir() {
  std::error_code ec;
  // Undo read-only modes a test may have set, so everything can go.
  for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ec)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Read(const char* name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void TempDir::Write(const char* name, const std::string& content) const {
  std::ofstream(path_ / name, std::ios::binary) << content;
}

void TempDir::WriteWaves() const {
  for (const char* name :
       {"click.wav", "mark.wav", "Hint.wav", "HintOK.wav", "bang.wav", "Win.wav"}) {
    Write(name, "x");
  }
}

Session::Session(const std::filesystem::path& dir, std::uint32_t seed)
    : out_(::open_memstream(&buffer_, &length_)), view_(out_, answers) {
  logic_ = new MainWindowLogic(view_, dir);
  logic_->FormCreate();
  logic_->ReadScores();
  logic_->SetRandomSeed(seed);
}

Session::~Session() {
  delete logic_;
  std::fclose(out_);
  std::free(buffer_);
}

std::string Session::Take() {
  std::fflush(out_);
  std::string text(buffer_ + taken_, length_ - taken_);
  taken_ = length_;
  return text;
}

void Session::Press(MouseButtons button, unsigned held, int col, int row) {
  const int size = logic_->State().CellSize;
  logic_->FormMouseDown(button, held, col * size + size / 2, 49 + row * size + size / 2);
}

void Session::Win() {
  const GameState& s = logic_->State();
  for (int r = 0; r < s.Rows && !s.GameOver; ++r) {
    for (int c = 0; c < s.Cols && !s.GameOver; ++c) {
      const std::uint8_t shown = s.board.at(ShownLayer, c, r);
      if (s.board.at(ContentLayer, c, r) == cellMine) {
        if (shown == cellCovered) Press(kRightButton, kRightButton, c, r);
      } else if (shown == cellCovered) {
        Press(kLeftButton, kLeftButton, c, r);
      }
    }
  }
}

}  // namespace brelvox::test
