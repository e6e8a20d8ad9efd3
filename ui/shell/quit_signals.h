// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the main window, with its settings written, when the session ends
// or the program is asked to stop (SIGTERM, SIGINT, SIGHUP).
#pragma once

#include <QObject>
#include <QWidget>

class QSocketNotifier;

namespace brelvox::ui {

class QuitSignals : public QObject {
  Q_OBJECT
 public:
  // Closes `window` (through its close event) when one of the signals comes.
  explicit QuitSignals(QWidget* window);
  ~QuitSignals() override;

 private:
  void CloseAll();

  QWidget* window_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace brelvox::ui
