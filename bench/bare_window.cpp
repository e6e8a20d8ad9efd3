// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: the plainest Qt window there is,
// a titled, empty widget the size of the game's toolbar.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(603, 49);
  window.show();
  return app.exec();
}
