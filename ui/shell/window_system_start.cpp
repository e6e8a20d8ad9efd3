// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_system_start.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace brelvox::ui {

namespace {

// The one holding Qt's messages now. Qt's message handler is a plain
// function for the whole process, so it finds its object here.
WindowSystemStart* holding = nullptr;

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

[[noreturn]] void NoWindowSystem() {
  std::string where;
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (!IsSet(variable)) continue;
    where += where.empty() ? " (" : ", ";
    where += std::string(variable) + "=" + std::getenv(variable);
  }
  if (!where.empty()) where += ')';
  std::fprintf(stderr, "brelvox: cannot open a display to show the window on%s\n", where.c_str());
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace

WindowSystemStart::WindowSystemStart() {
  holding = this;
  passOn_ = qInstallMessageHandler(&WindowSystemStart::Hold);
}

WindowSystemStart::~WindowSystemStart() {
  qInstallMessageHandler(passOn_);
  holding = nullptr;
  for (const HeldMessage& m : held_)
    qt_message_output(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category), m.text);
}

void WindowSystemStart::Hold(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
  // Only the window system's start ends the program here.
  if (type == QtFatalMsg) NoWindowSystem();
  if (holding) holding->held_.push_back({type, context.category, text});
}

}  // namespace brelvox::ui
