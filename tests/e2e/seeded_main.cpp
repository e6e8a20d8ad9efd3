// SPDX-License-Identifier: GPL-3.0-or-later
// The program that the end-to-end tests drive: the game itself, with two ways
// in from the environment. BRELVOX_TEST_SEED seeds the mine placement, so a
// test knows where the mines go, and BRELVOX_TEST_KEYS types keys where a
// compositor has no keyboard to give a test. The program players run has
// neither.
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>

#include "shell/game_start.h"
#include "window/main_window.h"

using namespace brelvox::ui;

namespace {

// Types `keys` (key sequences such as "Ctrl+N", one a word) into the modal
// dialog on top, or else the main window, a step apart.
void TypeKeys(QWidget* mainWindow, const QStringList& keys) {
  auto* timer = new QTimer(mainWindow);
  timer->setInterval(300);
  QObject::connect(
      timer, &QTimer::timeout, mainWindow, [mainWindow, timer, keys, next = 0]() mutable {
        if (next >= keys.size()) {
          timer->stop();
          return;
        }
        const QKeyCombination key = QKeySequence(keys[next++])[0];
        QWidget* target = QApplication::activeModalWidget();
        if (!target) target = mainWindow;
        // Posted, not sent: a key that opens a modal dialog must not hold up
        // this timer, which types into that dialog next.
        QApplication::postEvent(
            target, new QKeyEvent(QEvent::KeyPress, key.key(), key.keyboardModifiers()));
        QApplication::postEvent(
            target, new QKeyEvent(QEvent::KeyRelease, key.key(), key.keyboardModifiers()));
      });
  timer->start();
}

}  // namespace

int main(int argc, char** argv) {
  return RunGame(argc, argv, [](TMainWindow& window) {
    bool seeded = false;
    const uint seed = qEnvironmentVariable("BRELVOX_TEST_SEED").toUInt(&seeded);
    if (seeded) window.Logic().SetRandomSeed(seed);
    const QString keys = qEnvironmentVariable("BRELVOX_TEST_KEYS");
    if (!keys.isEmpty()) TypeKeys(&window, keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
  });
}
