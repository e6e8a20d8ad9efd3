// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/wave_file_finder.h"
#include "core/session.h"

namespace brelvox {
namespace {

namespace fs = std::filesystem;

TEST(WaveFileFinder, ExactNameFirstThenAsciiCaseInsensitiveRegularFiles) {
  test::TempDir dir;
  WaveFileFinder finder(dir.path());
  EXPECT_FALSE(finder.Find("Win.wav"));
  dir.Write("WIN.wav", "x");
  EXPECT_EQ(finder.Find("Win.wav")->filename(), "WIN.wav");
  dir.Write("Win.wav", "x");
  EXPECT_EQ(finder.Find("Win.wav")->filename(), "Win.wav");

  fs::create_directory(dir.path() / "bang.wav");  // a folder named like a cue
  EXPECT_FALSE(finder.Find("bang.wav"));
  fs::create_symlink("nowhere", dir.path() / "click.wav");
  EXPECT_FALSE(finder.Find("click.wav"));
  fs::create_symlink("Win.wav", dir.path() / "MARK.WAV");  // a link to a file counts
  EXPECT_EQ(finder.Find("mark.wav")->filename(), "MARK.WAV");
  dir.Write("hint\xc3\xa9.wav", "x");  // only ASCII letters fold
  EXPECT_FALSE(finder.Find("hint\xc3\x89.wav"));
}

// Moves the folder's times by `seconds`, as a file server whose clock is off.
void Shift(const fs::path& folder, int seconds) {
  struct stat st;
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  const timespec times[2] = {{st.st_atim.tv_sec + seconds, 0}, {st.st_mtim.tv_sec + seconds, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, folder.c_str(), times, 0), 0);
}

// How often the folder is listed is checked by cue_listing_fault.sh.
TEST(WaveFileFinder, SeesEveryChangeWhateverTheClockOfTheFolder) {
  for (const int offset : {-3600, 0, 3600}) {
    test::TempDir dir;
    test::TempDir elsewhere;
    elsewhere.Write("target.wav", "x");
    dir.Write("WIN.wav", "x");
    fs::create_symlink(elsewhere.path() / "target.wav", dir.path() / "Mark.WAV");
    Shift(dir.path(), offset);
    WaveFileFinder finder(dir.path());
    for (int click = 0; click < 3; ++click) {
      EXPECT_EQ(finder.Find("Win.wav")->filename(), "WIN.wav") << offset;
      EXPECT_EQ(finder.Find("mark.wav")->filename(), "Mark.WAV") << offset;
    }
    // A file the listing found that went away without the folder changing.
    fs::remove(elsewhere.path() / "target.wav");
    EXPECT_FALSE(finder.Find("mark.wav")) << offset;
    // A new file changes the folder: the next lookup sees it.
    dir.Write("WIN.WAV", "x");
    Shift(dir.path(), offset);
    EXPECT_EQ(finder.Find("Win.wav")->filename(), "WIN.WAV") << offset;
  }
}

}  // namespace
}  // namespace brelvox
