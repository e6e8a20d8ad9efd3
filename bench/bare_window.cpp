// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks of the start-up benchmark: the plainest Qt window there is,
// a titled, empty widget the size of the game's toolbar, and with --text the
// same window showing one line of text, which loads what every window with
// text needs (the font configuration, FreeType, HarfBuzz and a font).
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
  const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(603, 49);
  if (withText) {
    auto* line = new QLabel(QStringLiteral("New Silent Info Pause Hint"), &window);
    line->setGeometry(8, 8, 587, 33);
  }
  window.show();
  return app.exec();
}
