// SPDX-License-Identifier: GPL-3.0-or-later
// The program in a scratch directory, built as the program builds it, and
// how the tests reach into it: every widget by its name.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>

#include "dialogs/highscore_window.h"
#include "dialogs/info_dialog.h"
#include "dialogs/level_chooser.h"
#include "window/main_window.h"

using namespace brelvox::ui;

namespace uitest {

// The child of `parent` (at any depth) with the objectName `name`. A missing
// child fails the test at once: nothing after it could be trusted.
template <class T = QWidget>
T* Child(const QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(QLatin1String(name));
  if (child == nullptr) {
    ADD_FAILURE() << "no child named " << name;
    std::fprintf(stderr, "no child named %s\n", name);
    std::abort();
  }
  return child;
}

// Runs `answer` on the next modal window once its modal loop runs.
void WhenModal(std::function<void(QWidget*)> answer);

// The main window in a scratch directory; it builds its dialogs when a
// command first shows them.
struct Program {
  QTemporaryDir dir;
  TMainWindow window{dir.path().toStdString()};

  Program();

  // New, then the level chooser answered with Start at `level` (or Cancel).
  void New(int level);

  const brelvox::GameState& State() { return window.Logic().State(); }
};

// Selects `level` (0..3) in a level chooser.
void PickLevel(QWidget* chooser, int level);

// Wins the running game through real mouse clicks on the window, while
// `answer` handles every modal window that appears, in order.
void WinByClicks(Program& program, std::function<void(QWidget*)> answer);

// The board as the window must show it: the picture of the shown layer
// drawn afresh at `ratio`, on a new covered board or, after a size change,
// cell by cell.
enum class Drawn { OnCoveredBoard, CellByCell };
QImage BoardOf(const brelvox::GameState& state, qreal ratio = 1,
               Drawn drawn = Drawn::OnCoveredBoard);

// A covered cell of the running game, or (-1, -1).
QPoint CoveredCell(const brelvox::GameState& state);

}  // namespace uitest
