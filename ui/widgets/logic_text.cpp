// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/logic_text.h"

#include <QCoreApplication>

namespace brelvox::ui {

namespace {

// The texts the game logic hands to the window, as it spells them.
[[maybe_unused]] const char* const kLogicTexts[] = {
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

}  // namespace

QString LogicText(const std::string& english) {
  return QCoreApplication::translate("CoreText", english.c_str());
}

QString WindowText(const char* english) {
  return QCoreApplication::translate("brelvox::ui::TMainWindow", english);
}

}  // namespace brelvox::ui
