// SPDX-License-Identifier: GPL-3.0-or-later
// Whole sessions through the windows: a long random one whose memory must
// stay flat, and one whose moves brelvox-sim replays to the same board.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "sim/driver.h"

#include "program.h"

using namespace brelvox::ui;

namespace {

using uitest::Child;
using uitest::Program;
using uitest::WhenModal;

long ResidentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return 0;
}

// A long session of random play through the window (clicks, chords, hints,
// animation ticks, clock ticks, pauses, size changes, new games, dialogs
// answered as they come): memory must stay flat once the program is warm.
TEST(LongSessionTest, MemoryStaysFlat) {
  Program program;
  for (const char* cue : {"click.wav", "mark.wav", "Hint.wav", "HintOK.wav", "bang.wav", "Win.wav"})
    ASSERT_TRUE(QFile::copy(QStringLiteral(BRELVOX_ASSETS_DIR "/%1").arg(QString::fromLatin1(cue)),
                            program.dir.filePath(QString::fromLatin1(cue))));
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* chooser = qobject_cast<TLevelChoose*>(modal)) {
        Child<QPushButton>(chooser, "Start")->click();
      } else {
        modal->close();
      }
    }
  });
  closer.start(1);
  program.window.Logic().SetRandomSeed(2024);
  std::uint32_t random = 7;
  auto next = [&random](std::uint32_t n) {
    random = random * 1103515245u + 12345u;
    return (random >> 8) % n;
  };
  TMainWindow& w = program.window;
  long warm = 0;
  int games = 0;
  int clicks = 0;
  const int kActions = 20000;
  for (int i = 0; i < kActions; ++i) {
    if (i == kActions / 5) warm = ResidentKiB();
    const auto& state = program.State();
    const int kind = static_cast<int>(next(100));
    if (state.Rows == 0 || state.GameOver || kind < 2) {
      program.New(static_cast<int>(next(4)));
      ++games;
      continue;
    }
    const int size = state.CellSize;
    const QPoint at(static_cast<int>(next(state.Cols)) * size + size / 2,
                    49 + static_cast<int>(next(state.Rows)) * size + size / 2);
    if (kind < 60) {
      const Qt::MouseButton button = next(4) == 0 ? Qt::RightButton : Qt::LeftButton;
      // Mostly safe cells, so games last.
      const int col = (at.x()) / size;
      const int row = (at.y() - 49) / size;
      if (button == Qt::LeftButton &&
          state.board.at(brelvox::ContentLayer, col, row) == brelvox::cellMine && next(20) != 0)
        continue;
      QTest::mousePress(&w, button, {}, at);
      QTest::mouseRelease(&w, button, {}, at);
      ++clicks;
    } else if (kind < 70) {
      Child<QPushButton>(&w, "HintButton")->click();
    } else if (kind < 90) {
      w.Logic().AnimatorTimer();
      w.Logic().TimeTimerTimer();
    } else if (kind < 94) {
      Child<QPushButton>(&w, "PauseButton")->click();
    } else if (kind < 97) {
      (next(2) ? Child<QPushButton>(&w, "UpButton") : Child<QPushButton>(&w, "DownButton"))
          ->click();
    } else {
      Child<QPushButton>(&w, "SoundButton")->click();
    }
    if (i % 50 == 0) QApplication::processEvents();
  }
  closer.stop();
  const long end = ResidentKiB();
  EXPECT_GT(games, 20);
  EXPECT_GT(clicks, 1000);
  std::printf("%d games, %d clicks; resident %ld KiB when warm, %ld KiB at the end\n", games,
              clicks, warm, end);
#ifndef __SANITIZE_ADDRESS__
  // Under AddressSanitizer freed memory is held back on purpose; LeakSanitizer
  // checks that build for leaks instead.
  EXPECT_LT(end - warm, 8 * 1024);
#endif
}

// The desktop program and brelvox-sim, fed the same moves, must end with the
// same board. The moves are made on the window with real mouse events and
// written down as driver commands, which then run through the driver.
TEST(SameMovesTest, WindowAndDriverEndWithTheSameLayers) {
  Program program;
  TMainWindow& w = program.window;
  QTimer closer;  // message boxes, the name prompt and the table: closed at once
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  const std::uint32_t seed = 4242;
  w.Logic().SetRandomSeed(seed);
  program.New(1);
  closer.start(1);
  std::string script = "seed " + std::to_string(seed) + "\nnew 1\n";
  const auto& state = program.State();
  const int size = state.CellSize;
  std::uint32_t random = 99;
  auto next = [&random](std::uint32_t n) {
    random = random * 1103515245u + 12345u;
    return (random >> 8) % n;
  };
  auto press = [&](Qt::MouseButton first, bool chord, int col, int row) {
    const QPoint at(col * size + size / 2, 49 + row * size + size / 2);
    QTest::mousePress(&w, first, {}, at);
    const char* name = first == Qt::LeftButton ? "left" : "right";
    script += std::string("press ") + name + (first == Qt::LeftButton ? " l " : " r ") +
              std::to_string(at.x()) + " " + std::to_string(at.y()) + "\n";
    if (chord) {
      QTest::mousePress(&w, Qt::RightButton, {}, at);
      script += "press right lr " + std::to_string(at.x()) + " " + std::to_string(at.y()) + "\n";
      QTest::mouseRelease(&w, Qt::RightButton, {}, at);
    }
    QTest::mouseRelease(&w, first, {}, at);
  };
  for (int move = 0; move < 400 && !state.GameOver; ++move) {
    const int col = static_cast<int>(next(state.Cols));
    const int row = static_cast<int>(next(state.Rows));
    const bool mine = state.board.at(brelvox::ContentLayer, col, row) == brelvox::cellMine;
    const std::uint8_t shown = state.board.at(brelvox::ShownLayer, col, row);
    const int kind = static_cast<int>(next(10));
    if (kind == 0) {
      Child<QPushButton>(&w, "HintButton")->click();
      script += "hint\n";
    } else if (kind == 1) {
      w.Logic().AnimatorTimer();
      script += "tick\n";
    } else if (kind == 2 && brelvox::IsNumber(shown)) {
      // A chord around an uncovered number whose mines are all marked.
      bool safe = true;
      for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc)
          if (state.InArea(col + dc, row + dr) &&
              state.board.at(brelvox::ContentLayer, col + dc, row + dr) == brelvox::cellMine &&
              state.board.at(brelvox::ShownLayer, col + dc, row + dr) != brelvox::cellMarked)
            safe = false;
      if (safe || move > 350) press(Qt::LeftButton, true, col, row);
    } else if (shown == brelvox::cellCovered) {
      press(mine ? Qt::RightButton : Qt::LeftButton, false, col, row);
    }
  }
  if (!state.GameOver) {
    for (int col = 0; col < state.Cols; ++col)  // end with a loss: the final picture
      for (int row = 0; row < state.Rows; ++row)
        if (!state.GameOver &&
            state.board.at(brelvox::ContentLayer, col, row) == brelvox::cellMine &&
            state.board.at(brelvox::ShownLayer, col, row) == brelvox::cellCovered)
          press(Qt::LeftButton, false, col, row);
  }
  closer.stop();
  script += "dump\n";
  const auto lines = std::count(script.begin(), script.end(), '\n');
  EXPECT_GT(lines, 40);
  std::printf("%ld commands\n", static_cast<long>(lines));

  // The same commands through the driver, in a folder of its own.
  QTemporaryDir driverDir;
  FILE* in = fmemopen(script.data(), script.size(), "r");
  char* output = nullptr;
  std::size_t length = 0;
  FILE* out = open_memstream(&output, &length);
  const int status = brelvox::sim::RunSession(in, out, driverDir.path().toStdString());
  std::fclose(in);
  std::fclose(out);
  const std::string printed(output, length);
  std::free(output);
  EXPECT_EQ(status, 0);

  std::string expected;
  for (const int layer : {brelvox::ContentLayer, brelvox::ShownLayer}) {
    for (int row = 0; row < state.Rows; ++row) {
      expected +=
          (layer == brelvox::ContentLayer ? "content " : "shown ") + std::to_string(row) + " ";
      for (int col = 0; col < state.Cols; ++col) {
        expected += brelvox::CellCodeChar(state.board.at(layer, col, row));
      }
      expected += "\n";
    }
  }
  const std::size_t from = printed.find("content 0 ");
  const std::size_t to = printed.find("score 0 1 ");
  ASSERT_NE(from, std::string::npos);
  EXPECT_EQ(printed.substr(from, to - from), expected);
  EXPECT_EQ(state.GameOver, 1);
  EXPECT_NE(printed.find("GameOver=1"), std::string::npos);
}

}  // namespace
