// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/quit_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>

namespace brelvox::ui {

namespace {

int pipeEnds[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest.
void OnSignal(int signal) {
  const char byte = static_cast<char>(signal);
  [[maybe_unused]] ssize_t n = ::write(pipeEnds[0], &byte, 1);
}

}  // namespace

QuitSignals::QuitSignals(QWidget* window) : QObject(window), window_(window) {
  // A write beyond a file-size limit must fail, not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) return;
  ::fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
  ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
  notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char byte;
    while (::read(pipeEnds[1], &byte, 1) == 1) {
    }
    CloseAll();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

void QuitSignals::CloseAll() {
  // Open dialogs end first (as if cancelled), so every command finishes
  // before the main window closes and writes its settings.
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->close();
    QTimer::singleShot(10, this, &QuitSignals::CloseAll);
    return;
  }
  window_->close();
}

QuitSignals::~QuitSignals() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

}  // namespace brelvox::ui
