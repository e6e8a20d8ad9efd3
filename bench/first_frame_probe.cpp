// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into a Qt program by the start-up benchmark (LD_PRELOAD): prints
// to standard error the monotonic time at which the program's first window
// had painted its first frame, as "first-frame-ns N". The program itself is
// not changed, so the game and the bare window are timed the same way.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

class FirstFrameProbe : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      done_ = true;
      // The window's children paint and the frame is flushed after this
      // event; a zero timer runs once all of that is done.
      QTimer::singleShot(0, this, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::fprintf(stderr, "first-frame-ns %lld\n",
                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stderr);
      });
    }
    return false;
  }

 private:
  bool done_ = false;
};

void InstallProbe() {
  QCoreApplication::instance()->installEventFilter(
      new FirstFrameProbe(QCoreApplication::instance()));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
