// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands, timers and files, through whole sessions.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/score_file.h"
#include "app/settings_file.h"
#include "core/session.h"

namespace brelvox {
namespace {

using test::Session;
using test::TempDir;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(StartUp, NoGameYetAndTheBoardIgnoresTheMouse) {
  TempDir dir;
  Session s(dir.path());
  EXPECT_EQ(s.Take(), "enabled PauseButton 0\nenabled HintButton 0\nenabled TimeTimer 0\n");
  s.logic().FormMouseDown(kLeftButton, kLeftButton, 10, 100);
  s.logic().PauseButtonClickIfEnabled();
  s.logic().HintButtonClickIfEnabled();
  s.logic().TimeTimerTimer();
  s.logic().UpButtonClick();
  s.logic().DownButtonClick();
  EXPECT_EQ(s.Take(), "");
  EXPECT_EQ(s.logic().State().GameOver, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Brelvox.hi"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Brelvox.ini"));
}

TEST(NewCommand, CancelBeforeTheFirstGameLeavesTheToolbarAt74) {
  TempDir dir;
  Session s(dir.path());
  s.Take();
  s.answers.level = -1;
  s.logic().NewButtonClick();
  EXPECT_EQ(s.Take(),
            "interval 300\ncaption PauseButton Play\nheight 74\nchooser\n"
            "interval 1000\ncaption PauseButton Pause\n");
  EXPECT_FALSE(s.logic().Controls().hintEnabled);
  EXPECT_EQ(s.logic().State().Paused, 0);
}

TEST(NewCommand, CancelDuringAPausedGameResumesIt) {
  TempDir dir;
  Session s(dir.path());
  s.answers.level = 1;
  s.logic().NewButtonClick();
  s.logic().PauseButtonClickIfEnabled();
  ASSERT_EQ(s.logic().State().Paused, 1);
  s.Take();
  s.answers.level = -1;
  s.logic().NewButtonClick();
  EXPECT_EQ(s.Take(),
            "chooser\ninterval 1000\ncaption PauseButton Pause\nenabled HintButton 1\n"
            "height 572\n");
  s.logic().TimeTimerTimer();
  EXPECT_EQ(s.Take(), "value DigS 1\n");
}

TEST(Clock, CountsTicksCarriesMinutesAndWrapsHoursAt99) {
  TempDir dir;
  Session s(dir.path());
  s.answers.level = 0;
  s.logic().NewButtonClick();
  for (int i = 0; i < 59; ++i) s.logic().TimeTimerTimer();
  EXPECT_EQ(s.logic().Controls().value(Display::DigS), 59);
  s.Take();
  s.logic().TimeTimerTimer();
  EXPECT_EQ(s.Take(), "value DigS 0\nvalue DigM 1\n");
  for (int i = 60; i < 99 * 3600; ++i) s.logic().TimeTimerTimer();
  EXPECT_EQ(s.logic().Controls().value(Display::DigH), 0);
  EXPECT_EQ(s.logic().Controls().value(Display::DigM), 0);
  s.logic().TimeTimerTimer();
  EXPECT_EQ(s.logic().Controls().value(Display::DigS), 1);
}

TEST(Pause, BlinksTheClockHidesTheBoardAndResumes) {
  TempDir dir;
  Session s(dir.path());
  s.answers.level = 3;
  s.logic().NewButtonClick();
  s.Take();
  s.logic().PauseButtonClickIfEnabled();
  EXPECT_EQ(s.Take(), "interval 300\ncaption PauseButton Play\nenabled HintButton 0\nheight 74\n");
  s.logic().HintButtonClickIfEnabled();  // disabled while paused
  s.logic().FormMouseDown(kLeftButton, kLeftButton, 5, 60);
  s.logic().TimeTimerTimer();
  EXPECT_EQ(s.Take(), "visible DigS 0\nvisible DigM 0\nvisible DigH 0\n");
  s.logic().TimeTimerTimer();
  s.logic().TimeTimerTimer();
  EXPECT_EQ(s.logic().State().BlinkPhase, 0);
  s.Take();
  s.logic().PauseButtonClickIfEnabled();
  EXPECT_EQ(s.Take(),
            "interval 1000\nvisible DigS 1\nvisible DigM 1\nvisible DigH 1\n"
            "caption PauseButton Pause\nenabled HintButton 1\nheight 580\n");
  EXPECT_EQ(s.logic().State().Elapsed, 0);
  // The phase carries over: the next pause keeps the digits one tick longer.
  s.logic().PauseButtonClickIfEnabled();
  s.Take();
  s.logic().TimeTimerTimer();
  EXPECT_EQ(s.Take(), "");
}

TEST(InfoCommand, PausesAroundTheDialogAndLeavesTheGameRunning) {
  TempDir dir;
  Session s(dir.path());
  s.Take();
  s.logic().InfoButtonClick();  // before any game: programmatic pause clicks still run
  EXPECT_EQ(s.Take(),
            "interval 300\ncaption PauseButton Play\nheight 74\ninfo\n"
            "interval 1000\ncaption PauseButton Pause\n");
  s.answers.level = 0;
  s.logic().NewButtonClick();
  s.logic().PauseButtonClickIfEnabled();
  s.Take();
  s.logic().InfoButtonClick();
  EXPECT_EQ(s.Take(),
            "info\ninterval 1000\ncaption PauseButton Pause\nenabled HintButton 1\n"
            "height 588\n");
  EXPECT_EQ(s.logic().State().Paused, 0);
}

TEST(InfoCommand, AfterALostGameTheHintButtonStaysDisabled) {
  TempDir dir;
  Session s(dir.path());
  s.answers.level = 0;
  s.logic().NewButtonClick();
  const GameState& st = s.logic().State();
  for (int c = 0; c < st.Cols; ++c) {
    for (int r = 0; r < st.Rows; ++r) {
      if (st.board.at(ContentLayer, c, r) == cellMine && !st.GameOver) {
        s.Press(kLeftButton, kLeftButton, c, r);
      }
    }
  }
  ASSERT_EQ(st.GameOver, 1);
  s.Take();
  s.logic().InfoButtonClick();
  EXPECT_EQ(s.Take(),
            "interval 300\ncaption PauseButton Play\nheight 74\ninfo\n"
            "interval 1000\ncaption PauseButton Pause\nheight 588\n");
}

TEST(Mouse, ToolbarPressesAndUncoveredCellsAreIgnored) {
  TempDir dir;
  Session s(dir.path());
  s.answers.level = 0;
  s.logic().NewButtonClick();
  const GameState& st = s.logic().State();
  s.Take();
  s.logic().FormMouseDown(kLeftButton, kLeftButton, 10, 48);
  s.logic().FormMouseDown(kLeftButton, kLeftButton, 8 * 64 + 5, 60);  // beyond the board
  for (int c = 0; c < st.Cols; ++c) {
    for (int r = 0; r < st.Rows; ++r) {
      if (IsNumber(st.board.at(ShownLayer, c, r))) {
        s.Press(kRightButton, kRightButton, c, r);
        s.Press(kLeftButton, kLeftButton, c, r);
      }
    }
  }
  EXPECT_EQ(s.Take(), "");
}

TEST(Mouse, LeftOnAMarkStillSoundsAndAnyOtherButtonToggles) {
  TempDir dir;
  dir.WriteWaves();
  Session s(dir.path());
  s.answers.level = 0;
  s.logic().NewButtonClick();
  const GameState& st = s.logic().State();
  int mc = -1;
  int mr = -1;
  for (int c = 0; c < st.Cols && mc < 0; ++c) {
    for (int r = 0; r < st.Rows && mc < 0; ++r) {
      if (st.board.at(ShownLayer, c, r) == cellCovered &&
          st.board.at(ContentLayer, c, r) != cellMine) {
        mc = c;
        mr = r;
      }
    }
  }
  s.Take();
  s.Press(kRightButton, kRightButton, mc, mr);
  EXPECT_EQ(s.Take(),
            "draw 10 " + std::to_string(mc) + " " + std::to_string(mr) + "\ncue mark.wav\n");
  s.Press(kLeftButton, kLeftButton, mc, mr);
  EXPECT_EQ(s.Take(), "cue click.wav\n");
  s.Press(kMiddleButton, kMiddleButton, mc, mr);  // any other button toggles too
  EXPECT_EQ(s.Take(),
            "draw 9 " + std::to_string(mc) + " " + std::to_string(mr) + "\ncue mark.wav\n");
}

TEST(SizeButtons, RespectLimitsTheScreenAndTheCurrentLevelOnly) {
  TempDir dir;
  Session s(dir.path());
  s.answers.level = 3;
  s.answers.screen = {800, 600};
  s.logic().NewButtonClick();
  s.Take();
  s.logic().UpButtonClick();  // 24 * 22 + 76 = 604 is not below 600
  EXPECT_EQ(s.Take(), "");
  s.logic().DownButtonClick();
  const std::string out = s.Take();
  EXPECT_EQ(out.substr(0, 36), "width 609\nheight 556\nbitmap 600 480\n");
  EXPECT_EQ(s.logic().State().CellSizes, (std::array<std::int32_t, 4>{64, 31, 25, 20}));
  for (int i = 0; i < 10; ++i) s.logic().DownButtonClick();
  EXPECT_EQ(s.logic().State().CellSize, 18);
  s.answers.screen = {5000, 5000};
  for (int i = 0; i < 100; ++i) s.logic().UpButtonClick();
  EXPECT_EQ(s.logic().State().CellSize, 75);
  // Paused: the width follows at once, the height on resume.
  s.logic().PauseButtonClickIfEnabled();
  s.Take();
  s.logic().DownButtonClick();
  EXPECT_TRUE(Contains(s.Take(), "width 2229\nbitmap 2220 1776\n"));
  s.logic().PauseButtonClickIfEnabled();
  EXPECT_TRUE(Contains(s.Take(), "height 1852\n"));
}

TEST(SettingsFile, ReadClampedNeverWrittenAtStartAndRewrittenAtClose) {
  TempDir dir;
  dir.Write("Brelvox.ini", "whatever\n 40\n+$1F\n5\r\n900\n");
  {
    Session s(dir.path());
    EXPECT_EQ(s.logic().State().CellSizes, (std::array<std::int32_t, 4>{40, 31, 18, 75}));
    EXPECT_EQ(s.logic().State().CellSize, 40);
    EXPECT_EQ(dir.Read("Brelvox.ini"), "whatever\n 40\n+$1F\n5\r\n900\n");
    s.logic().FormClose();
  }
  EXPECT_EQ(dir.Read("Brelvox.ini"),
            "Brelvox startup display sizes:\r\n40\r\n31\r\n18\r\n75\r\n"
            "Delete this file to return to factory settings.\r\n");
}

TEST(SettingsFile, AnyBadValueGivesTheFactorySizes) {
  for (const char* text : {"h\nabc\n30\n30\n30\n", "h\n30\n30\n30\n", "h\n30 \n30\n30\n30\n",
                           "h\n30\n30\n30\n$80000000\n", "h\n30\n30\x00\n30\n30\n", ""}) {
    TempDir dir;
    dir.Write("Brelvox.ini", text);
    Session s(dir.path());
    EXPECT_EQ(s.logic().State().CellSizes, (std::array<std::int32_t, 4>{64, 31, 25, 21})) << text;
  }
}

TEST(Scores, WinEntersTheTableAsksTheNameAndWritesTheFile) {
  TempDir dir;
  dir.WriteWaves();
  Session s(dir.path());
  s.answers.level = 0;
  s.answers.nameGiven = true;
  s.answers.name = "Ann\r\nB\tx";
  s.logic().NewButtonClick();
  for (int i = 0; i < 125; ++i) s.logic().TimeTimerTimer();
  s.Take();
  s.Win();
  const std::string out = s.Take();
  EXPECT_TRUE(Contains(out,
                       "enabled PauseButton 0\nenabled HintButton 0\nenabled TimeTimer 0\n"
                       "cue Win.wav\nprompt\nhighscore\n"));
  EXPECT_EQ(s.logic().Scores().CellText(0, 1), "2:5 by AnnB\tx");
  std::string expected = "AnnB\tx\r\n125\r\n";
  for (int i = 1; i < 20; ++i) expected += "Nobody\r\n5999\r\n";
  EXPECT_EQ(dir.Read("Brelvox.hi"), expected);
  EXPECT_TRUE(s.logic().Controls().timerEnabled == false);
}

TEST(Scores, UnwritableFileShowsTheErrorAndKeepsTheEntryForNow) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "Brelvox.hi");
  Session s(dir.path());
  s.answers.level = 2;
  s.logic().SetRandomSeed(2718);  // the same board every run
  s.logic().NewButtonClick();
  s.Take();
  s.Win();
  const std::string out = s.Take();
  ASSERT_GE(s.logic().State().HintsLeft, 0);
  EXPECT_TRUE(Contains(out, "prompt\nmessage Can't write to file Brelvox.hi!\nhighscore\n"));
  EXPECT_EQ(s.logic().Scores().CellText(2, 1), "0:0 by ");
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Brelvox.hi"));
}

TEST(Scores, ReadOnlyFileIsLeftExactlyAsItWas) {
  TempDir dir;
  std::string old;
  for (int i = 0; i < 20; ++i) old += "Old\r\n3000\r\n";
  dir.Write("Brelvox.hi", old);
  ::chmod((dir.path() / "Brelvox.hi").c_str(), 0444);
  Session s(dir.path());
  s.answers.level = 0;
  s.logic().NewButtonClick();
  s.Take();
  s.Win();
  EXPECT_TRUE(Contains(s.Take(), "message Can't write to file Brelvox.hi!\n"));
  EXPECT_EQ(dir.Read("Brelvox.hi"), old);
  struct stat st;
  ::stat((dir.path() / "Brelvox.hi").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
}

TEST(Scores, DamagedFileGivesDefaultsAndIsNotRewrittenAtStart) {
  std::string good;
  for (int i = 0; i < 20; ++i) good += "P" + std::to_string(i) + "\n" + std::to_string(i) + "\n";
  const std::string damaged[] = {good.substr(0, good.rfind("19\n")),  // 39 lines
                                 good.substr(0, 20) + std::string("\0", 1) + good.substr(20),
                                 "P\nabc\n" + good, std::string(100000, '\xff')};
  for (const std::string& text : damaged) {
    TempDir dir;
    dir.Write("Brelvox.hi", text);
    Session s(dir.path());
    EXPECT_EQ(s.logic().Scores().CellText(3, 5), "99:59 by Nobody");
    EXPECT_EQ(dir.Read("Brelvox.hi"), text);
  }
  TempDir dir;
  dir.Write("Brelvox.hi", good + "extra lines\nare ignored\n");
  Session s(dir.path());
  EXPECT_EQ(s.logic().Scores().CellText(0, 1), "0:0 by P0");
  EXPECT_EQ(s.logic().Scores().CellText(3, 5), "0:19 by P19");
}

// Two games in one folder, as a player who opens the game twice has them.
TEST(SharedFolder, TwoSessionsKeepEachOthersScoresAndSizes) {
  TempDir dir;
  Session a(dir.path());
  Session b(dir.path());
  const auto start = [](Session& s, int level, const char* name) {
    s.answers.level = level;
    s.answers.nameGiven = true;
    s.answers.name = name;
    s.logic().NewButtonClick();
    s.logic().DownButtonClick();
  };
  start(a, 0, "A");
  // Written at once: a session that never closes keeps its size.
  EXPECT_EQ(dir.Read("Brelvox.ini"), FormatDisplaySizes({63, 31, 25, 21}));
  start(b, 1, "B");
  a.Win();
  b.Win();
  EXPECT_EQ(b.logic().Scores().CellText(0, 1), "0:0 by A");  // the table shown is the merged one
  const ScoreTable file = ReadScoreFile((dir.path() / "Brelvox.hi").string());
  EXPECT_EQ(file.names[0][0], "A");
  EXPECT_EQ(file.names[1][0], "B");
  a.logic().FormClose();
  b.logic().FormClose();
  EXPECT_EQ(dir.Read("Brelvox.ini"), FormatDisplaySizes({63, 30, 25, 21}));
}

TEST(Scores, AFileThatCannotBeReadIsKeptAndTheEntriesWaitForIt) {
  TempDir dir;
  std::string old;
  for (int i = 0; i < 20; ++i) old += "Old\r\n" + std::string(i == 0 ? 70000 : 0, '0') + "3000\r\n";
  dir.Write("Brelvox.hi", old);  // a time line too long to hold
  Session s(dir.path());
  s.answers.nameGiven = true;
  for (int level : {0, 1}) {
    s.answers.level = level;
    s.answers.name = level == 0 ? "First" : "Second";
    s.logic().NewButtonClick();
    if (level == 1) {
      // Put right between the two games: both entries go in, and the file's.
      std::string fixed;
      for (int i = 0; i < 20; ++i) fixed += "Fixed\r\n" + std::to_string(100 + i) + "\r\n";
      dir.Write("Brelvox.hi", fixed);
    }
    s.Take();
    s.Win();
    const std::string out = s.Take();
    EXPECT_EQ(Contains(out, "message Can't write to file Brelvox.hi!\n"), level == 0);
    if (level == 0) {
      EXPECT_EQ(dir.Read("Brelvox.hi"), old);
    }
  }
  const ScoreTable file = ReadScoreFile((dir.path() / "Brelvox.hi").string());
  EXPECT_EQ(file.names[0][0], "First");
  EXPECT_EQ(file.names[0][1], "Fixed");
  EXPECT_EQ(file.names[1][0], "Second");
  EXPECT_EQ(file.times[3][4], 119);
  EXPECT_EQ(s.logic().Scores().names[3][4], "Fixed");
}

TEST(Sound, SwitchSilencesCuesAndFlipsTheCaption) {
  TempDir dir;
  dir.Write("hintok.WAV", "x");
  Session s(dir.path());
  s.Take();
  s.logic().SoundButtonClick();
  EXPECT_EQ(s.Take(), "caption SoundButton Sound\n");
  s.answers.level = 0;
  s.logic().NewButtonClick();
  EXPECT_FALSE(Contains(s.Take(), "cue"));
  s.logic().SoundButtonClick();
  s.logic().NewButtonClick();
  const std::string out = s.Take();
  EXPECT_TRUE(Contains(out, "caption SoundButton Silent\n"));
  EXPECT_TRUE(Contains(out, "cue HintOK.wav\n"));  // found ignoring case
}

// The accessible board acts on a cell through the keys' press, not the
// mouse's: the cursor stays where the player left it.
TEST(BoardCursor, AMoveMadeForACellKeepsTheCursorAndOnlyAMousePressHidesIt) {
  TempDir dir;
  Session s(dir.path());
  s.answers.level = 1;
  s.logic().NewButtonClick();
  s.Take();
  s.logic().CursorKey(CursorStep::Down);
  EXPECT_EQ(s.Take(), "cursor 12 8\n");
  const GameState& st = s.logic().State();
  int col = 0;
  while (st.board.at(ShownLayer, col, 0) != cellCovered) ++col;

  s.logic().MoveAtCell(CellMove::Mark, col, 0);
  EXPECT_EQ(s.Take(), "draw 10 " + std::to_string(col) + " 0\n");
  s.logic().MoveAtCell(CellMove::Mark, col, 0);
  EXPECT_EQ(s.Take(), "draw 9 " + std::to_string(col) + " 0\n");
  s.Press(kRightButton, kRightButton, col, 0);
  EXPECT_EQ(s.Take(), "cursor hidden\ndraw 10 " + std::to_string(col) + " 0\n");
}

}  // namespace
}  // namespace brelvox
