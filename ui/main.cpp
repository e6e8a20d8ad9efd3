// The desktop program: creates its four windows once and runs until the
// main window closes.
#include <QApplication>
#include <QIcon>
#include <optional>

#include "app/standard_streams.h"
#include "command_line.h"
#include "highscore_window.h"
#include "info_dialog.h"
#include "level_chooser.h"
#include "main_window.h"
#include "quit_signals.h"

int main(int argc, char** argv) {
  brelvox::OpenClosedStandardStreams();
  if (const auto code = HandleCommandLine(argc, argv)) return *code;
  if (const auto code = CheckForDisplay(argc, argv)) return *code;
  std::optional<WindowSystemStart> starting(std::in_place);
  QApplication app(argc, argv);
  starting.reset();
  QApplication::setApplicationName(QStringLiteral("Brelvox"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.brelvox.Brelvox"));
  QIcon icon(QStringLiteral(":/assets/icon.png"));
  for (int size : {16, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/assets/icon_%1.png").arg(size));
  QApplication::setWindowIcon(icon);

  TMainWindow mainWindow;
  TLevelChoose levelChoose;
  TInfo info(mainWindow.Logic());
  THighscore highscore(mainWindow.Logic());
  info.SetHighscore(&highscore);
  mainWindow.SetDialogs(&levelChoose, &info, &highscore);
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
