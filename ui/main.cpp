// The desktop program: creates its main window, which builds the other three
// when first needed, and runs until the main window closes.
#include <QApplication>
#include <QIcon>

#include "command_line.h"
#include "main_window.h"
#include "quit_signals.h"

int main(int argc, char** argv) {
  if (const auto code = HandleCommandLine(argc, argv)) return *code;
  // A widgets-only program: the X11 plugin need not load and probe GL.
  if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brelvox"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.brelvox.Brelvox"));
  QIcon icon(QStringLiteral(":/assets/icon.png"));
  for (int size : {16, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/assets/icon_%1.png").arg(size));
  QApplication::setWindowIcon(icon);

  TMainWindow mainWindow;
  mainWindow.CreateDialogsWhenNeeded();
#ifdef BRELVOX_TEST_SEED
  // Only in the build that tests drive: a seed from the environment, so a
  // test knows where the mines go. The program players run has no such way.
  bool seeded = false;
  const uint seed = qEnvironmentVariable("BRELVOX_TEST_SEED").toUInt(&seeded);
  if (seeded) mainWindow.Logic().SetRandomSeed(seed);
#endif

  QuitSignals quitSignals(&mainWindow);
  mainWindow.show();
  return app.exec();
}
