// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace brelvox::ui {

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
  } else if (parser.isSet(version)) {
    std::printf("brelvox %s\n", BRELVOX_VERSION);
  } else {
    return std::nullopt;
  }
  // An answer that could not be written is a failure (a full disk, a closed pipe).
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "brelvox: cannot write the answer: %s\n", std::strerror(errno));
    return 1;
  }
  return 0;
}

namespace {

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

// The window system's options, which the application object reads itself.
bool ChoosesWindowSystem(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (arg[0] == '-' && arg[1] == '-') ++arg;
    for (const char* option : {"-platform", "-display"}) {
      const std::size_t n = std::strlen(option);
      if (std::strncmp(arg, option, n) == 0 && (arg[n] == '\0' || arg[n] == '=')) return true;
    }
  }
  return false;
}

}  // namespace

std::optional<int> CheckForDisplay(int argc, char** argv) {
  if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM") ||
      ChoosesWindowSystem(argc, argv)) {
    return std::nullopt;
  }
  std::fputs(
      "brelvox: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
      stderr);
  return 1;
}

}  // namespace brelvox::ui
