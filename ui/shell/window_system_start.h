// SPDX-License-Identifier: GPL-3.0-or-later
// The start of the window system, with Qt's messages held back: the one that
// ends the program when no window system can be started (a display that does
// not answer, a window system that is not there) becomes a line of our own
// and exit code 1 instead of an abort.
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace brelvox::ui {

// While it lives, Qt's messages are held; at its end they are passed on.
// One at a time: Qt has one message handler for the whole process.
class WindowSystemStart {
 public:
  WindowSystemStart();
  ~WindowSystemStart();
  WindowSystemStart(const WindowSystemStart&) = delete;
  WindowSystemStart& operator=(const WindowSystemStart&) = delete;

 private:
  static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text);

  struct HeldMessage {
    QtMsgType type;
    const char* category;  // a category's name lives as long as the program
    QString text;
  };
  std::vector<HeldMessage> held_;
  QtMessageHandler passOn_ = nullptr;
};

}  // namespace brelvox::ui
