// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace brelvox::ui {

namespace {

bool IsPlainCLocale(const QByteArray& name) {
  return name == "C" || name == "POSIX" || name.startsWith("C.");
}

}  // namespace

QLocale MessagesLocale() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray value = qgetenv(variable);
    if (value.isEmpty()) continue;
    if (IsPlainCLocale(value)) return QLocale::c();
    break;
  }
  return QLocale::system();
}

bool Translators::Install(const QLocale& locale) {
  Remove();
  if (locale.language() == QLocale::C) return false;
  auto own = std::make_unique<QTranslator>();
  if (!own->load(locale, QStringLiteral("brelvox"), QStringLiteral("_"), QStringLiteral(":/i18n")))
    return false;
  // Qt's catalogue only beside the program's, so a language the program
  // lacks never mixes translated dialog buttons into English windows.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app_.installTranslator(qt.get());
    installed_.push_back(std::move(qt));
  }
  app_.installTranslator(own.get());
  installed_.push_back(std::move(own));
  return true;
}

void Translators::Remove() {
  for (const auto& translator : installed_) app_.removeTranslator(translator.get());
  installed_.clear();
}

}  // namespace brelvox::ui
