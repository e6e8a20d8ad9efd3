// SPDX-License-Identifier: GPL-3.0-or-later
// A notice that a screen reader speaks and nobody sees: a status line that
// never shows, holding one notification. Each Say() gives the notification
// a new text and tells assistive tools that it appeared, which a screen
// reader speaks at once, whatever holds the focus.
#pragma once

#include <QString>
#include <QWidget>

namespace brelvox::ui {

class SpokenNotice : public QWidget {
  Q_OBJECT

 public:
  explicit SpokenNotice(QWidget* parent);

  // Speaks `text` (nothing when it is empty).
  void Say(const QString& text);
  // What was said last.
  QString LastSaid() const;

 private:
  QWidget* line_;  // the notification
};

}  // namespace brelvox::ui
