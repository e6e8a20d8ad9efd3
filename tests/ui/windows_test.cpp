// The program's windows around the game logic: toolbar layout, window sizes
// per level, pause, mouse input reaching the board, and the dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "bevel_panel.h"
#include "game/level_table.h"
#include "glyph_button.h"
#include "highscore_window.h"
#include "info_dialog.h"
#include "level_chooser.h"
#include "main_window.h"
#include "sim/driver.h"
#include "vex_digital.h"

namespace {

using brelvox::LevelTable;

// Runs `answer` on the next modal window once its modal loop runs.
void WhenModal(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
}

// The four windows of the program in a scratch directory.
struct Program {
  QTemporaryDir dir;
  TMainWindow window{dir.path().toStdString()};
  TLevelChoose levels;
  TInfo info{window.Logic()};
  THighscore scores{window.Logic()};

  Program() {
    info.SetHighscore(&scores);
    window.SetDialogs(&levels, &info, &scores);
    window.show();
  }

  // New, then the level chooser answered with Start at `level` (or Cancel).
  void New(int level) {
    WhenModal([level](QWidget* modal) {
      auto* chooser = qobject_cast<TLevelChoose*>(modal);
      ASSERT_NE(chooser, nullptr);
      if (level < 0) {
        chooser->Cancel->click();
      } else {
        chooser->SelectIndex(level);
        chooser->Start->click();
      }
    });
    window.NewButton->click();
  }

  const brelvox::GameState& State() { return window.Logic().State(); }
};

TEST(MainWindowTest, ToolbarLayoutAtStart) {
  Program program;
  TMainWindow& w = program.window;
  EXPECT_EQ(w.size(), QSize(603, 49));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Brelvox"));
  EXPECT_EQ(w.Panel1->geometry(), QRect(0, 0, 603, 49));

  struct Expected {
    QWidget* widget;
    QWidget* parent;
    QRect rect;
  };
  const Expected layout[] = {
      {w.NewButton, w.Panel1, {8, 8, 73, 33}},    {w.SoundButton, w.Panel1, {88, 8, 73, 33}},
      {w.InfoButton, w.Panel1, {168, 8, 73, 33}}, {w.PauseButton, w.Panel1, {248, 8, 73, 33}},
      {w.HintButton, w.Panel1, {328, 8, 73, 33}}, {w.DigHint, w.Panel1, {408, 8, 27, 33}},
      {w.Panel3, w.Panel1, {441, 8, 129, 33}},    {w.DigH, w.Panel3, {4, 4, 41, 25}},
      {w.DigM, w.Panel3, {44, 4, 41, 25}},        {w.DigS, w.Panel3, {84, 4, 41, 25}},
      {w.UpButton, w.Panel1, {576, 6, 18, 19}},   {w.DownButton, w.Panel1, {576, 24, 18, 19}},
  };
  for (const Expected& e : layout) {
    SCOPED_TRACE(e.widget->metaObject()->className());
    EXPECT_EQ(e.widget->geometry(), e.rect);
    EXPECT_EQ(e.widget->parentWidget(), e.parent);
    if (auto* button = qobject_cast<QPushButton*>(e.widget)) {
      EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
      EXPECT_FALSE(button->icon().isNull());
    }
  }
  EXPECT_EQ(w.NewButton->text(), QStringLiteral("New"));
  EXPECT_EQ(w.SoundButton->text(), QStringLiteral("Silent"));
  EXPECT_EQ(w.InfoButton->text(), QStringLiteral("Info"));
  EXPECT_EQ(w.PauseButton->text(), QStringLiteral("Pause"));
  EXPECT_EQ(w.HintButton->text(), QStringLiteral("Hint"));
  EXPECT_TRUE(w.UpButton->text().isEmpty());

  // No game yet: Pause, Hint and the clock are off, the animator runs.
  EXPECT_TRUE(w.NewButton->isEnabled());
  EXPECT_FALSE(w.PauseButton->isEnabled());
  EXPECT_FALSE(w.HintButton->isEnabled());
  EXPECT_FALSE(w.TimeTimer->isActive());
  EXPECT_TRUE(w.Animator->isActive());
  EXPECT_EQ(w.Animator->interval(), 100);
  for (TVexDigital* clock : {w.DigH, w.DigM, w.DigS})
    EXPECT_EQ(clock->DisplayText(), QStringLiteral("00"));
  EXPECT_EQ(w.DigH->Caption(), QStringLiteral("DigH"));
  EXPECT_TRUE(w.DigHint->Caption().isEmpty());
}

TEST(MainWindowTest, GlyphHalvesAndTransparentKey) {
  const QIcon icon = GlyphButton::LoadGlyph(QStringLiteral("glyph_new"));
  const QImage glyph = QImage(QStringLiteral(":/assets/glyph_new.png"));
  const QImage normal = icon.pixmap(16, 16, QIcon::Normal).toImage();
  const QImage disabled = icon.pixmap(16, 16, QIcon::Disabled).toImage();
  ASSERT_EQ(normal.size(), QSize(16, 16));
  EXPECT_EQ(qAlpha(normal.pixel(0, 15)), 0);
  EXPECT_EQ(qAlpha(disabled.pixel(0, 15)), 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      if (glyph.pixel(x, y) != glyph.pixel(0, 15)) {
        ASSERT_EQ(normal.pixel(x, y) | 0xFF000000, glyph.pixel(x, y) | 0xFF000000);
      }
      if (glyph.pixel(x + 16, y) != glyph.pixel(0, 15)) {
        ASSERT_EQ(disabled.pixel(x, y) | 0xFF000000, glyph.pixel(x + 16, y) | 0xFF000000);
      }
    }
}

TEST(MainWindowTest, ClientSizeAndBoardPerLevelAtDefaultSizes) {
  const int defaults[4] = {64, 31, 25, 21};
  Program program;
  TMainWindow& w = program.window;
  for (int level = 0; level < 4; ++level) {
    SCOPED_TRACE(level);
    program.New(level);
    const int cols = LevelTable::Columns[level], rows = LevelTable::Rows[level];
    const int size = defaults[level];
    // Outer sizes max(cols * size + 9, 609) x rows * size + 76, less the frame.
    EXPECT_EQ(w.size(), QSize(std::max(cols * size + 9, 609) - 6, rows * size + 52));
    EXPECT_EQ(w.Image().Image().size(), QSize(cols * size, rows * size));
    EXPECT_EQ(w.DigHint->Value(), LevelTable::Hints[level]);
    EXPECT_TRUE(w.PauseButton->isEnabled());
    EXPECT_TRUE(w.HintButton->isEnabled());
    EXPECT_TRUE(w.TimeTimer->isActive());
    EXPECT_EQ(w.TimeTimer->interval(), 1000);
    EXPECT_EQ(w.PauseButton->text(), QStringLiteral("Pause"));

    // The window shows the board picture 49 pixels down.
    const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& board = w.Image().Image();
    for (int y = 0; y < board.height(); y += 3)
      for (int x = 0; x < board.width(); x += 3)
        ASSERT_EQ(shown.pixel(x, y + 49), board.pixel(x, y)) << x << "," << y;
  }
}

TEST(MainWindowTest, PauseShrinksToTheToolbarAndBack) {
  Program program;
  TMainWindow& w = program.window;
  program.New(0);
  w.PauseButton->click();
  EXPECT_EQ(w.height(), 50);  // outer 74
  EXPECT_EQ(w.PauseButton->text(), QStringLiteral("Play"));
  EXPECT_FALSE(w.HintButton->isEnabled());
  EXPECT_EQ(w.TimeTimer->interval(), 300);
  w.PauseButton->click();
  EXPECT_EQ(w.height(), 564);
  EXPECT_EQ(w.PauseButton->text(), QStringLiteral("Pause"));
  EXPECT_TRUE(w.HintButton->isEnabled());
}

TEST(MainWindowTest, SizeButtonsResizeWindowAndPicture) {
  Program program;
  TMainWindow& w = program.window;
  program.New(1);
  w.DownButton->click();
  EXPECT_EQ(w.size(), QSize(24 * 30 + 9 - 6, 16 * 30 + 52));
  EXPECT_EQ(w.Image().Image().size(), QSize(24 * 30, 16 * 30));
  EXPECT_EQ(w.Image().CellSize(), 30);
}

// A covered cell of the running game, or (-1, -1).
QPoint CoveredCell(const brelvox::GameState& state) {
  for (int row = 0; row < state.Rows; ++row)
    for (int col = 0; col < state.Cols; ++col)
      if (state.board.at(brelvox::ShownLayer, col, row) == brelvox::cellCovered) return {col, row};
  return {-1, -1};
}

TEST(MainWindowTest, MousePressesReachTheBoard) {
  Program program;
  TMainWindow& w = program.window;
  program.New(1);
  const auto& state = program.State();
  const int size = state.CellSize;
  const QPoint cell = CoveredCell(state);
  ASSERT_GE(cell.x(), 0);
  const QPoint at(cell.x() * size + size / 2, 49 + cell.y() * size + size / 2);

  // A right press marks the cell, in the logic and in the window.
  QTest::mousePress(&w, Qt::RightButton, {}, at);
  QTest::mouseRelease(&w, Qt::RightButton, {}, at);
  EXPECT_EQ(state.board.at(brelvox::ShownLayer, cell.x(), cell.y()), brelvox::cellMarked);
  QApplication::processEvents();
  const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.pixel(at), w.Image().Image().pixel(at.x(), at.y() - 49));

  // A press in the toolbar row of the window does nothing.
  QTest::mousePress(&w, Qt::RightButton, {}, QPoint(at.x(), 48));
  QTest::mouseRelease(&w, Qt::RightButton, {}, QPoint(at.x(), 48));
  EXPECT_EQ(state.board.at(brelvox::ShownLayer, cell.x(), cell.y()), brelvox::cellMarked);

  // Left, then right while left is held: a chord around the marked cell
  // uncovers every unmarked neighbour (or loses the game on a mine).
  QTest::mousePress(&w, Qt::LeftButton, {}, at);
  QTest::mousePress(&w, Qt::RightButton, {}, at);
  QTest::mouseRelease(&w, Qt::RightButton, {}, at);
  QTest::mouseRelease(&w, Qt::LeftButton, {}, at);
  EXPECT_EQ(state.board.at(brelvox::ShownLayer, cell.x(), cell.y()), brelvox::cellMarked);
  if (!state.GameOver) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (state.InArea(cell.x() + dx, cell.y() + dy)) {
          EXPECT_NE(state.board.at(brelvox::ShownLayer, cell.x() + dx, cell.y() + dy),
                    brelvox::cellCovered);
        }
  }
}

TEST(LevelChooserTest, SelectionDescriptionAndResults) {
  Program program;
  TLevelChoose& chooser = program.levels;
  EXPECT_EQ(chooser.windowTitle(), QStringLiteral("choose a level"));
  EXPECT_EQ(chooser.size(), QSize(375, 184));
  EXPECT_EQ(chooser.level->title(), QStringLiteral("choose a level:"));
  EXPECT_EQ(chooser.GroupBox1->title(), QStringLiteral("characteristics:"));
  EXPECT_EQ(chooser.Start->geometry(), QRect(200, 136, 73, 33));
  EXPECT_EQ(chooser.Cancel->geometry(), QRect(288, 136, 73, 33));

  // First opening: easy. Cancel before any game keeps the toolbar-only height.
  WhenModal([](QWidget* modal) {
    auto* c = qobject_cast<TLevelChoose*>(modal);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->levelItems[0]->isChecked());
    EXPECT_TRUE(c->description->text().startsWith(QStringLiteral("easy:\n8 * 8 size\n")));
    c->levelItems[2]->click();
    EXPECT_EQ(c->description->text(), QStringLiteral("diffcult:\n30 * 16 size\n88 mines hidden\n"
                                                     "1 hint allowed\nbe careful with those "
                                                     "hints!"));
    c->Cancel->click();
  });
  program.window.NewButton->click();
  EXPECT_EQ(chooser.ChosenLevel, -1);
  EXPECT_EQ(program.window.height(), 50);
  EXPECT_FALSE(program.window.HintButton->isEnabled());
  EXPECT_EQ(program.State().GameOver, 1);

  // The selection survives; the close box counts as Cancel.
  WhenModal([](QWidget* modal) {
    auto* c = qobject_cast<TLevelChoose*>(modal);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->levelItems[2]->isChecked());
    EXPECT_TRUE(c->description->text().startsWith(QStringLiteral("diffcult:")));
    c->levelItems[3]->click();
    c->close();
  });
  EXPECT_EQ(chooser.Run(), -1);

  WhenModal([](QWidget* modal) {
    auto* c = qobject_cast<TLevelChoose*>(modal);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->levelItems[3]->isChecked());
    EXPECT_TRUE(c->description->text().startsWith(QStringLiteral("hard:")));
    c->Start->click();
  });
  EXPECT_EQ(chooser.Run(), 3);
}

TEST(InfoDialogTest, FoldsOnEveryOpeningAndUnfoldsOnce) {
  Program program;
  TInfo& info = program.info;
  ASSERT_EQ(TInfo::HelpText().size(), 64);
  EXPECT_EQ(info.ListBox1->count(), 64);
  EXPECT_EQ(info.ListBox1->item(0)->text(), QStringLiteral("How to play Brelvox"));
  EXPECT_EQ(info.ListBox1->item(8)->text(), QStringLiteral("according to your screen resulution,"));
  EXPECT_EQ(info.ListBox1->item(28)->text(),
            QStringLiteral("beause you can only guess which field"));
  EXPECT_FALSE(info.Image1->pixmap().isNull());

  WhenModal([&info](QWidget* modal) {
    ASSERT_EQ(modal, &info);
    EXPECT_EQ(info.size(), QSize(330, 245));
    EXPECT_EQ(info.Version->text(), QStringLiteral("Ver. 1.2"));
    info.HowButton->click();
    EXPECT_EQ(info.height(), 456);
    EXPECT_FALSE(info.HowButton->isEnabled());
    // Scores opens the table on top; Back there returns to the unfolded info.
    WhenModal([](QWidget* table) {
      ASSERT_NE(qobject_cast<THighscore*>(table), nullptr);
      static_cast<THighscore*>(table)->BackButton->click();
    });
    info.ScoresButton->click();
    EXPECT_EQ(info.height(), 456);
    info.close();  // the close box keeps the height
  });
  program.window.InfoButton->click();
  EXPECT_EQ(info.height(), 456);
  // Info before any game leaves the window at the toolbar-only height.
  EXPECT_EQ(program.window.height(), 50);

  WhenModal([&info](QWidget*) {
    EXPECT_EQ(info.height(), 245);
    EXPECT_TRUE(info.HowButton->isEnabled());
    info.BackButton->click();
  });
  program.window.InfoButton->click();
  EXPECT_EQ(info.height(), 245);
}

TEST(InfoDialogTest, HelpLinesFitTheList) {
  Program program;
  program.info.show();
  program.info.setFixedHeight(TInfo::kUnfoldedHeight);
  QApplication::processEvents();
  const QListWidget* list = program.info.ListBox1;
  const QFontMetrics metrics(list->font());
  const int room = list->viewport()->width() - 4;
  for (const QString& line : TInfo::HelpText())
    EXPECT_LE(metrics.horizontalAdvance(line), room) << line.toStdString();
}

TEST(HighscoreTest, DefaultTableInAFixedGrid) {
  Program program;
  THighscore& scores = program.scores;
  EXPECT_EQ(scores.windowTitle(), QStringLiteral("Highscore"));
  EXPECT_EQ(scores.size(), QSize(518, 227));
  EXPECT_EQ(scores.Table->geometry(), QRect(16, 16, 487, 153));
  EXPECT_EQ(scores.BackButton->geometry(), QRect(227, 183, 73, 33));
  EXPECT_EQ(scores.Table->rowCount(), 6);
  EXPECT_EQ(scores.Table->columnCount(), 4);
  EXPECT_FALSE(scores.Table->isEnabled());
  EXPECT_EQ(scores.Table->selectionMode(), QAbstractItemView::NoSelection);
  EXPECT_EQ(scores.Table->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  const char* headings[4] = {"Easy", "Standard", "Difficult", "Hard"};
  for (int col = 0; col < 4; ++col) {
    EXPECT_EQ(scores.Table->item(0, col)->text(), QString::fromLatin1(headings[col]));
    for (int row = 1; row <= 5; ++row)
      EXPECT_EQ(scores.Table->item(row, col)->text(), QStringLiteral("99:59 by Nobody"));
  }
}

TEST(PromptTest, MessageBoxAndNamePrompt) {
  Program program;
  WhenModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Too many hints..."));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->text(), QStringLiteral("first\nsecond"));
    EXPECT_EQ(box->buttons().size(), 1);
    box->button(QMessageBox::Ok)->click();
  });
  program.window.ShowMessage("Too many hints...", "first\rsecond", brelvox::MessageIcon::None);

  WhenModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    box->button(QMessageBox::Ok)->click();
  });
  program.window.ShowMessage("Error", "Can't write", brelvox::MessageIcon::Error);

  WhenModal([](QWidget* modal) {
    auto* prompt = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->windowTitle(), QStringLiteral("New highscore!"));
    EXPECT_EQ(prompt->labelText(), QStringLiteral("Enter your name:"));
    auto* edit = prompt->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    // The limit counts code points, as the score table does: 255 characters
    // outside the basic plane fit, a 256th character does not.
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    edit->insert(clef.repeated(255));
    edit->insert(QStringLiteral("a"));
    EXPECT_EQ(edit->text(), clef.repeated(255));
    prompt->accept();
  });
  const std::string clefs = program.window.AskName();
  EXPECT_EQ(brelvox::CleanName(clefs), clefs);
  EXPECT_EQ(clefs.size(), 4u * 255);

  WhenModal([](QWidget* modal) {
    auto* prompt = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(prompt, nullptr);
    prompt->setTextValue(QStringLiteral("Ada"));
    prompt->accept();
  });
  EXPECT_EQ(program.window.AskName(), "Ada");

  WhenModal([](QWidget* modal) {
    auto* prompt = qobject_cast<QInputDialog*>(modal);
    ASSERT_NE(prompt, nullptr);
    prompt->setTextValue(QStringLiteral("Bob"));
    prompt->close();
  });
  EXPECT_EQ(program.window.AskName(), "");
}

// Wins the running game through real mouse clicks on the window, while
// `answer` handles every modal window that appears, in order.
void WinByClicks(Program& program, std::function<void(QWidget*)> answer) {
  QTimer watcher;
  QWidget* last = nullptr;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == last) return;
    last = modal;
    answer(modal);
  });
  watcher.start(5);
  const auto& state = program.State();
  const int size = state.CellSize;
  for (int row = 0; row < state.Rows && !state.GameOver; ++row) {
    for (int col = 0; col < state.Cols && !state.GameOver; ++col) {
      const bool mine = state.board.at(brelvox::ContentLayer, col, row) == brelvox::cellMine;
      if (state.board.at(brelvox::ShownLayer, col, row) != brelvox::cellCovered) continue;
      const QPoint at(col * size + size / 2, 49 + row * size + size / 2);
      const Qt::MouseButton button = mine ? Qt::RightButton : Qt::LeftButton;
      QTest::mousePress(&program.window, button, {}, at);
      QTest::mouseRelease(&program.window, button, {}, at);
    }
  }
  watcher.stop();
}

TEST(HighscoreTest, WinAsksTheNameAndShowsItInTheTable) {
  Program program;
  program.New(0);
  std::vector<QString> seen;
  WinByClicks(program, [&seen](QWidget* modal) {
    if (auto* prompt = qobject_cast<QInputDialog*>(modal)) {
      seen.push_back(QStringLiteral("prompt"));
      prompt->setTextValue(QStringLiteral("Ada"));
      prompt->accept();
    } else if (auto* table = qobject_cast<THighscore*>(modal)) {
      seen.push_back(table->Table->item(1, 0)->text());
      seen.push_back(table->Table->item(2, 0)->text());
      table->BackButton->click();
    } else {
      seen.push_back(QStringLiteral("unexpected"));
      modal->close();
    }
  });
  ASSERT_EQ(program.State().GameOver, 1);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], QStringLiteral("prompt"));
  EXPECT_EQ(seen[1], QStringLiteral("0:0 by Ada"));
  EXPECT_EQ(seen[2], QStringLiteral("99:59 by Nobody"));
  EXPECT_TRUE(QFile::exists(program.dir.filePath(QStringLiteral("Brelvox.hi"))));
}

TEST(HighscoreTest, UnwritableFileShowsTheErrorAndKeepsTheEntryForNow) {
  Program program;
  ASSERT_TRUE(QDir(program.dir.path()).mkdir(QStringLiteral("Brelvox.hi")));
  program.New(0);
  std::vector<QString> seen;
  WinByClicks(program, [&seen](QWidget* modal) {
    if (auto* prompt = qobject_cast<QInputDialog*>(modal)) {
      seen.push_back(QStringLiteral("prompt"));
      prompt->reject();  // Cancel: the entry is kept with an empty name
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen.push_back(box->text());
      EXPECT_EQ(box->icon(), QMessageBox::Critical);
      box->button(QMessageBox::Ok)->click();
    } else if (auto* table = qobject_cast<THighscore*>(modal)) {
      seen.push_back(table->Table->item(1, 0)->text());
      table->BackButton->click();
    } else {
      modal->close();
    }
  });
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], QStringLiteral("prompt"));
  EXPECT_EQ(seen[1], QStringLiteral("Can't write to file Brelvox.hi!"));
  EXPECT_EQ(seen[2], QStringLiteral("0:0 by "));
  EXPECT_TRUE(QFileInfo(program.dir.filePath(QStringLiteral("Brelvox.hi"))).isDir());
}

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
        chooser->Start->click();
      } else {
        modal->close();
      }
    }
  });
  closer.start(1);
  program.window.Logic().MutableState().RandomState = 2024;
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
      w.HintButton->click();
    } else if (kind < 90) {
      w.Logic().AnimatorTimer();
      w.Logic().TimeTimerTimer();
    } else if (kind < 94) {
      w.PauseButton->click();
    } else if (kind < 97) {
      (next(2) ? w.UpButton : w.DownButton)->click();
    } else {
      w.SoundButton->click();
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
  w.Logic().MutableState().RandomState = seed;
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
      w.HintButton->click();
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
