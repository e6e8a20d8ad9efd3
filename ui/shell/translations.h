// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: the program's own catalogue and Qt's, chosen from
// the locale.
#pragma once

#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

class QCoreApplication;

namespace brelvox::ui {

// The locale whose language the player reads messages in. A "C" or "POSIX"
// messages locale (LC_ALL, then LC_MESSAGES, then LANG) means English, even
// with LANGUAGE set; otherwise the system locale, whose languages follow
// LANGUAGE as well.
QLocale MessagesLocale();

// The catalogues installed in the application while this object lives.
class Translators {
 public:
  explicit Translators(QCoreApplication& app) : app_(app) {}
  ~Translators() { Remove(); }
  Translators(const Translators&) = delete;
  Translators& operator=(const Translators&) = delete;

  // Installs the program's catalogue for `locale` and, when there is one,
  // Qt's own for the standard dialog buttons, in place of any installed
  // before. Without a catalogue for the locale's languages everything stays
  // English; returns whether one was installed.
  bool Install(const QLocale& locale);
  // Back to English.
  void Remove();

 private:
  QCoreApplication& app_;
  std::vector<std::unique_ptr<QTranslator>> installed_;
};

}  // namespace brelvox::ui
