// The desktop program: creates its four windows once and runs until the
// main window closes.
#include <QApplication>
#include <QIcon>

#include "highscore_window.h"
#include "info_dialog.h"
#include "level_chooser.h"
#include "main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brelvox"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));

  TMainWindow mainWindow;
  TLevelChoose levelChoose;
  TInfo info(mainWindow.Logic());
  THighscore highscore(mainWindow.Logic());
  info.SetHighscore(&highscore);
  mainWindow.SetDialogs(&levelChoose, &info, &highscore);

  mainWindow.show();
  return app.exec();
}
