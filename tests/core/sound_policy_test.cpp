#include <gtest/gtest.h>

#include "app/sound_policy.h"
#include "core/session.h"

namespace brelvox {
namespace {

namespace fs = std::filesystem;

TEST(FindWaveFile, ExactNameFirstThenAsciiCaseInsensitiveRegularFiles) {
  test::TempDir dir;
  EXPECT_FALSE(FindWaveFile(dir.path(), "Win.wav"));
  dir.Write("WIN.wav", "x");
  EXPECT_EQ(FindWaveFile(dir.path(), "Win.wav")->filename(), "WIN.wav");
  dir.Write("Win.wav", "x");
  EXPECT_EQ(FindWaveFile(dir.path(), "Win.wav")->filename(), "Win.wav");

  fs::create_directory(dir.path() / "bang.wav");  // a folder named like a cue
  EXPECT_FALSE(FindWaveFile(dir.path(), "bang.wav"));
  fs::create_symlink("nowhere", dir.path() / "click.wav");
  EXPECT_FALSE(FindWaveFile(dir.path(), "click.wav"));
  fs::create_symlink("Win.wav", dir.path() / "MARK.WAV");  // a link to a file counts
  EXPECT_EQ(FindWaveFile(dir.path(), "mark.wav")->filename(), "MARK.WAV");
  dir.Write("hint\xc3\xa9.wav", "x");  // only ASCII letters fold
  EXPECT_FALSE(FindWaveFile(dir.path(), "hint\xc3\x89.wav"));
}

}  // namespace
}  // namespace brelvox
