// SPDX-License-Identifier: GPL-3.0-or-later
// The program's four windows in a scratch directory, as the GUI tests drive
// them, and how the tests reach into them: every widget by its name.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "highscore_window.h"
#include "info_dialog.h"
#include "level_chooser.h"
#include "main_window.h"

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

// The four windows of the program in a scratch directory.
struct Program {
  QTemporaryDir dir;
  TMainWindow window{dir.path().toStdString()};
  // The dialogs belong to the main window, as in the program.
  TLevelChoose levels{&window};
  TInfo info{window.Logic(), &window};
  THighscore scores{window.Logic(), &window};

  Program();

  // New, then the level chooser answered with Start at `level` (or Cancel).
  void New(int level);

  const brelvox::GameState& State() { return window.Logic().State(); }
};

// Wins the running game through real mouse clicks on the window, while
// `answer` handles every modal window that appears, in order.
void WinByClicks(Program& program, std::function<void(QWidget*)> answer);

// A covered cell of the running game, or (-1, -1).
QPoint CoveredCell(const brelvox::GameState& state);

}  // namespace uitest
