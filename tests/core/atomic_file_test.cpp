// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/atomic_file.h"
#include "core/session.h"

namespace brelvox {
namespace {

namespace fs = std::filesystem;

std::size_t EntryCount(const fs::path& dir) {
  std::size_t n = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

TEST(ReplaceFileAtomically, CreatesAndReplacesKeepingTheMode) {
  test::TempDir dir;
  const std::string path = (dir.path() / "f").string();
  ASSERT_TRUE(ReplaceFileAtomically(path, "one"));
  EXPECT_EQ(dir.Read("f"), "one");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(ReplaceFileAtomically(path, "two"));
  EXPECT_EQ(dir.Read("f"), "two");
  struct stat st;
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(EntryCount(dir.path()), 1u);  // no temporary file left behind
}

TEST(ReplaceFileAtomically, RefusesReadOnlyFilesDirectoriesAndBrokenLinks) {
  test::TempDir dir;
  const fs::path ro = dir.path() / "ro";
  dir.Write("ro", "keep");
  ::chmod(ro.c_str(), 0444);
  EXPECT_FALSE(ReplaceFileAtomically(ro.string(), "new"));
  EXPECT_EQ(dir.Read("ro"), "keep");

  fs::create_directory(dir.path() / "d");
  EXPECT_FALSE(ReplaceFileAtomically((dir.path() / "d").string(), "new"));
  EXPECT_TRUE(fs::is_directory(dir.path() / "d"));

  fs::create_symlink("nowhere", dir.path() / "dangling");
  EXPECT_FALSE(ReplaceFileAtomically((dir.path() / "dangling").string(), "new"));
  EXPECT_FALSE(fs::exists(dir.path() / "nowhere"));

  fs::create_symlink("loop", dir.path() / "loop");
  EXPECT_FALSE(ReplaceFileAtomically((dir.path() / "loop").string(), "new"));

  EXPECT_FALSE(ReplaceFileAtomically((dir.path() / "no-such-dir" / "f").string(), "new"));
  EXPECT_EQ(EntryCount(dir.path()), 4u);
}

TEST(ReplaceFileAtomically, ALinkIsKeptAndItsTargetReplaced) {
  test::TempDir dir;
  dir.Write("real", "old");
  fs::create_symlink("real", dir.path() / "link");
  ASSERT_TRUE(ReplaceFileAtomically((dir.path() / "link").string(), "new"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "link"));
  EXPECT_EQ(dir.Read("real"), "new");

  // The target is reached folder by folder, through real folders only.
  fs::create_directory(dir.path() / "sub");
  dir.Write("sub/f", "old");
  fs::create_directory_symlink("sub", dir.path() / "linked");
  fs::create_symlink("../sub/f", dir.path() / "sub" / "up");
  fs::create_symlink("linked/f", dir.path() / "via-link");
  fs::create_symlink("sub/up", dir.path() / "chain");
  EXPECT_FALSE(ReplaceFileAtomically((dir.path() / "via-link").string(), "new"));
  EXPECT_EQ(dir.Read("sub/f"), "old");
  ASSERT_TRUE(ReplaceFileAtomically((dir.path() / "chain").string(), "new"));
  EXPECT_EQ(dir.Read("sub/f"), "new");
  EXPECT_EQ(EntryCount(dir.path() / "sub"), 2u);  // no lock or temporary file left
}

TEST(ReplaceFileAtomically, ClearsWhatAKilledRunLeftAndIgnoresTheUmask) {
  test::TempDir dir;
  dir.Write(".f.tmp", "half written");
  dir.Write(".f.lock", "");
  const mode_t mask = ::umask(0222);
  const bool written = ReplaceFileAtomically((dir.path() / "f").string(), "one");
  ::umask(mask);
  ASSERT_TRUE(written);
  struct stat st;
  ::stat((dir.path() / "f").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0644u);  // the owner may still rewrite it
  EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST(ReplaceFileAtomically, UnwritableDirectoryFailsCleanly) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any directory";
  test::TempDir dir;
  dir.Write("f", "old");
  ::chmod(dir.path().c_str(), 0555);
  EXPECT_FALSE(ReplaceFileAtomically((dir.path() / "f").string(), "new"));
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(dir.Read("f"), "old");
}

}  // namespace
}  // namespace brelvox
