// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/sound_policy.h"
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

// Sets the folder's times back, as if it had last changed an hour ago.
void Age(const fs::path& folder) {
  struct stat st;
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  const timespec times[2] = {{st.st_atim.tv_sec - 3600, 0}, {st.st_mtim.tv_sec - 3600, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, folder.c_str(), times, 0), 0);
}

TEST(WaveFileFinder, ListsTheFolderAgainOnlyWhenItChanged) {
  test::TempDir dir;
  test::TempDir elsewhere;
  elsewhere.Write("target.wav", "x");
  dir.Write("WIN.wav", "x");
  fs::create_symlink(elsewhere.path() / "target.wav", dir.path() / "Mark.WAV");
  Age(dir.path());
  WaveFileFinder finder(dir.path());
  for (int click = 0; click < 5; ++click) {
    EXPECT_EQ(finder.Find("Win.wav")->filename(), "WIN.wav");
    EXPECT_EQ(finder.Find("mark.wav")->filename(), "Mark.WAV");
  }
  EXPECT_EQ(finder.Listings(), 2);  // one for each name

  // A file the listing found that went away without the folder changing.
  fs::remove(elsewhere.path() / "target.wav");
  EXPECT_FALSE(finder.Find("mark.wav"));
  EXPECT_EQ(finder.Listings(), 2);

  // A new file changes the folder: the next lookup sees it.
  dir.Write("WIN.WAV", "x");
  EXPECT_EQ(finder.Find("Win.wav")->filename(), "WIN.WAV");
  EXPECT_EQ(finder.Listings(), 3);
}

}  // namespace
}  // namespace brelvox
