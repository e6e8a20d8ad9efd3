// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {

// The texts the game logic hands to the window, as it spells them.
[[maybe_unused]] const char* const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("CoreText", "Pause"),
    QT_TRANSLATE_NOOP("CoreText", "Play"),
    QT_TRANSLATE_NOOP("CoreText", "Silent"),
    QT_TRANSLATE_NOOP("CoreText", "Sound"),
    QT_TRANSLATE_NOOP("CoreText", "Error"),
    QT_TRANSLATE_NOOP("CoreText", "Can't write to file Brelvox.hi!"),
    QT_TRANSLATE_NOOP("CoreText", "Too many hints..."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Too many unjustified hints!\rYou can go on playing, but you will not "
                      "appear in the highscore."),
    QT_TRANSLATE_NOOP("CoreText", "Easy"),
    QT_TRANSLATE_NOOP("CoreText", "Standard"),
    QT_TRANSLATE_NOOP("CoreText", "Difficult"),
    QT_TRANSLATE_NOOP("CoreText", "Hard"),
    QT_TRANSLATE_NOOP("CoreText", "Nobody"),
};

std::vector<std::unique_ptr<QTranslator>>& Installed() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

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

bool InstallTranslators(QCoreApplication& app, const QLocale& locale) {
  RemoveTranslators(app);
  if (locale.language() == QLocale::C) return false;
  auto own = std::make_unique<QTranslator>();
  if (!own->load(locale, QStringLiteral("brelvox"), QStringLiteral("_"), QStringLiteral(":/i18n")))
    return false;
  // Qt's catalogue only beside the program's, so a language the program
  // lacks never mixes translated dialog buttons into English windows.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(qt.get());
    Installed().push_back(std::move(qt));
  }
  app.installTranslator(own.get());
  Installed().push_back(std::move(own));
  return true;
}

void RemoveTranslators(QCoreApplication& app) {
  for (const auto& translator : Installed()) app.removeTranslator(translator.get());
  Installed().clear();
}

QString CoreText(const std::string& english) {
  return QCoreApplication::translate("CoreText", english.c_str());
}

void WidenToFitCaption(QPushButton* button, int maxWidth) {
  // The glyph may reach onto the left frame line; the caption's ink must
  // end before the right one.
  const QFontMetrics metrics = button->fontMetrics();
  const int glyph = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
  const int need = glyph + metrics.tightBoundingRect(button->text()).width() + 1;
  if (need <= button->width()) return;
  const QRect place = button->geometry();
  const int width = qMin(need + 6, maxWidth);  // a little air on both sides
  button->setGeometry(place.center().x() - (width - 1) / 2, place.y(), width, place.height());
}
