// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: the program's own catalogue and Qt's, chosen from
// the locale, and the game logic's fixed English texts in that language.
#pragma once

#include <QLocale>
#include <QString>
#include <string>

class QCoreApplication;

// The locale whose language the player reads messages in. A "C" or "POSIX"
// messages locale (LC_ALL, then LC_MESSAGES, then LANG) means English, even
// with LANGUAGE set; otherwise the system locale, whose languages follow
// LANGUAGE as well.
QLocale MessagesLocale();

// Installs the program's catalogue for `locale` and, when there is one, Qt's
// own for the standard dialog buttons. Without a catalogue for the locale's
// languages everything stays English; returns whether one was installed.
bool InstallTranslators(QCoreApplication& app, const QLocale& locale);

// Removes what InstallTranslators installed, back to English.
void RemoveTranslators(QCoreApplication& app);

// A fixed English text of the game logic (button captions, messages, score
// headings, the default name) in the player's language; any other text
// comes back unchanged.
QString CoreText(const std::string& english);

class QPushButton;

// Widens `button` about its centre, up to `maxWidth`, when its caption and
// glyph do not fit: a translated caption may be longer than the English one.
void WidenToFitCaption(QPushButton* button, int maxWidth);
