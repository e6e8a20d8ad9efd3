// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/game_start.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <functional>
#include <optional>

#include "app/standard_streams.h"
#include "dialogs/dialog_place.h"
#include "shell/command_line.h"
#include "shell/font_warm_up.h"
#include "shell/quit_signals.h"
#include "shell/translations.h"
#include "shell/window_system_start.h"
#include "widgets/sharp_picture.h"
#include "window/main_window.h"

namespace brelvox::ui {

namespace {

// Runs `work` once `window` has painted its first frame and that frame has
// gone to the screen. The window's own area is all children, so the first
// paint event any of its widgets gets is the sign.
class AfterFirstFrame : public QObject {
 public:
  AfterFirstFrame(QWidget* window, std::function<void()> work)
      : QObject(window), window_(window), work_(std::move(work)) {
    QCoreApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_) {
      QCoreApplication::instance()->removeEventFilter(this);
      // The frame is flushed after the paint events; a zero timer runs then.
      QTimer::singleShot(0, this, [this] {
        work_();
        deleteLater();
      });
    }
    return false;
  }

 private:
  QWidget* window_;
  std::function<void()> work_;
};

// The window icon at the icon theme's sizes up to 128 pixels; decoding them
// takes longer than the window's first frame, so it is given after that frame.
// The application keeps these pictures for every window it opens; the 256-pixel
// one alone would hold 256 KiB, and desktops take their large icons from the
// icon theme.
void SetWindowIcon() {
  QIcon icon;
  for (const char* name : {"icon_16", "icon", "icon_48", "icon_64", "icon_128"}) {
    const QImage picture =
        sharp::LoadAsset(QLatin1String(name), 1, QImage::Format_ARGB32_Premultiplied);
    if (!picture.isNull()) icon.addPixmap(QPixmap::fromImage(picture));
  }
  QApplication::setWindowIcon(icon);
}

}  // namespace

int RunGame(int argc, char** argv, const std::function<void(TMainWindow&)>& beforeShow) {
  brelvox::OpenClosedStandardStreams();
  if (const auto code = HandleCommandLine(argc, argv)) return *code;
  if (const auto code = CheckForDisplay(argc, argv)) return *code;
  // A widgets-only program: the X11 plugin need not load and probe GL.
  if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
  std::jthread fontConfig = ReadFontConfigInBackground();
  std::optional<WindowSystemStart> starting(std::in_place);
  QApplication app(argc, argv);
  starting.reset();
  QApplication::setApplicationName(QStringLiteral("Brelvox"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.brelvox.Brelvox"));
  Translators translators(app);
  translators.Install(MessagesLocale());  // before any window is built

  TMainWindow mainWindow;
  if (beforeShow) beforeShow(mainWindow);
#ifdef BRELVOX_TEST_SEED
  // Only in the build that tests drive: a seed from the environment, so a
  // test knows where the mines go. The program players run has no such way.
  bool seeded = false;
  const uint seed = qEnvironmentVariable("BRELVOX_TEST_SEED").toUInt(&seeded);
  if (seeded) mainWindow.Logic().SetRandomSeed(seed);
  const QString keys = qEnvironmentVariable("BRELVOX_TEST_KEYS");
  if (!keys.isEmpty()) TypeKeys(&mainWindow, keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
#endif

  QuitSignals quitSignals(&mainWindow);
  new DialogPlacer(&mainWindow);
  new AfterFirstFrame(&mainWindow, SetWindowIcon);
  fontConfig.join();
  mainWindow.show();
  return app.exec();
}

}  // namespace brelvox::ui
