// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program: creates its main window, which builds the other three
// when first needed, and runs until the main window closes.
#include <QApplication>
#include <QIcon>
#include <optional>

#include "app/standard_streams.h"
#include "command_line.h"
#include "main_window.h"
#include "quit_signals.h"
#include "translations.h"

#ifdef BRELVOX_TEST_SEED
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>

namespace {

// Types `keys` (key sequences such as "Ctrl+N", one a word) into the modal
// dialog on top, or else the main window, a step apart: the way in for tests
// under a compositor that has no keyboard to give them.
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
#endif

int main(int argc, char** argv) {
  brelvox::OpenClosedStandardStreams();
  if (const auto code = HandleCommandLine(argc, argv)) return *code;
  if (const auto code = CheckForDisplay(argc, argv)) return *code;
  // A widgets-only program: the X11 plugin need not load and probe GL.
  if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
  std::optional<WindowSystemStart> starting(std::in_place);
  QApplication app(argc, argv);
  starting.reset();
  QApplication::setApplicationName(QStringLiteral("Brelvox"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.brelvox.Brelvox"));
  QIcon icon(QStringLiteral(":/assets/icon.png"));
  for (int size : {16, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/assets/icon_%1.png").arg(size));
  QApplication::setWindowIcon(icon);
  InstallTranslators(app, MessagesLocale());  // before any window is built

  TMainWindow mainWindow;
  mainWindow.CreateDialogsWhenNeeded();
#ifdef BRELVOX_TEST_SEED
  // Only in the build that tests drive: a seed from the environment, so a
  // test knows where the mines go. The program players run has no such way.
  bool seeded = false;
  const uint seed = qEnvironmentVariable("BRELVOX_TEST_SEED").toUInt(&seeded);
  if (seeded) mainWindow.Logic().SetRandomSeed(seed);
  const QString keys = qEnvironmentVariable("BRELVOX_TEST_KEYS");
  if (!keys.isEmpty()) TypeKeys(&mainWindow, keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
#endif

  QuitSignals quitSignals(&mainWindow);
  mainWindow.show();
  return app.exec();
}
