// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

namespace {

constexpr const char* kUsage =
    "Usage: brelvox [options]\n"
    "A mine-finding puzzle where you never have to guess. The game reads and writes\n"
    "its settings (Brelvox.ini), scores (Brelvox.hi) and sound cues in the working\n"
    "directory; brelvox-launcher starts it in the player's data folder.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n";

// Options the application object reads itself; they are accepted and left
// in place for it.
void AddToolkitOptions(QCommandLineParser& parser) {
  const char* withValue[] = {"platform",        "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "display",
                             "style",           "stylesheet",         "session"};
  const char* flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
  for (const char* name : withValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : flags) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char** argv) {
  if (argc <= 1) return std::nullopt;
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  QCommandLineParser parser;
  // "-platform" is one option, as the application object reads it.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  parser.addOption(help);
  parser.addOption(version);
  AddToolkitOptions(parser);

  if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
    const QString problem = parser.errorText().isEmpty()
                                ? QStringLiteral("Unexpected argument '%1'.")
                                      .arg(parser.positionalArguments().constFirst())
                                : parser.errorText();
    std::fprintf(stderr, "brelvox: %s\n%s", qPrintable(problem), kUsage);
    return 2;
  }
  if (parser.isSet(help)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("brelvox %s\n", BRELVOX_VERSION);
    return 0;
  }
  return std::nullopt;
}
