// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue_thread.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace brelvox::ui {

// What the two threads share. The caller's side holds the lock only to swap a
// pointer; the sound thread never calls the player while holding it.
struct CueThread::Mailbox {
  std::mutex mutex;
  std::shared_ptr<const brelvox::WaveSound> waiting;  // the next cue, if any
  bool wakeSent = false;                              // a wake-up is on its way to the sound thread

  // The sound thread's own.
  CueThread::Loader load;
  std::unique_ptr<CueOutput> output;
  bool loaded = false;

  void PlayWaiting() {
    std::shared_ptr<const brelvox::WaveSound> sound;
    {
      const std::lock_guard lock(mutex);
      sound = std::move(waiting);
      wakeSent = false;
    }
    if (!loaded) {
      loaded = true;
      output = load();
    }
    if (output && sound) output->Play(std::move(sound));
  }
};

CueThread::CueThread(Loader load) : load_(std::move(load)) {}

void CueThread::Start() {
  mailbox_ = std::make_shared<Mailbox>();
  mailbox_->load = std::move(load_);
  thread_ = new QThread;
  thread_->setObjectName(QStringLiteral("cues"));
  inbox_ = new QObject;
  inbox_->moveToThread(thread_);
  thread_->start();
}

void CueThread::Play(std::shared_ptr<const brelvox::WaveSound> sound) {
  if (!thread_) Start();
  {
    const std::lock_guard lock(mailbox_->mutex);
    mailbox_->waiting = std::move(sound);
    if (mailbox_->wakeSent) return;  // the one on its way takes this cue
    mailbox_->wakeSent = true;
  }
  // Posting takes the sound thread's event queue only for as long as it takes
  // to append to it, never while that thread runs an event.
  QMetaObject::invokeMethod(
      inbox_, [mailbox = mailbox_] { mailbox->PlayWaiting(); }, Qt::QueuedConnection);
}

CueThread::~CueThread() {
  if (!thread_) return;
  QMetaObject::invokeMethod(
      inbox_,
      [mailbox = mailbox_] {
        mailbox->output.reset();
        QThread::currentThread()->quit();
      },
      Qt::QueuedConnection);
  if (thread_->wait(QDeadlineTimer(kCloseWait))) {
    delete inbox_;
    delete thread_;
    return;
  }
  // Stuck inside the sound library (a stopped sound server): destroying the
  // thread, or letting the library's exit handlers tear down what it waits
  // on, could wait for ever or crash. Everything of the game's own is saved
  // by now, so the process ends here, with its output flushed.
  std::fflush(nullptr);
  std::_Exit(EXIT_SUCCESS);
}

}  // namespace brelvox::ui
