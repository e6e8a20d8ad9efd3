// SPDX-License-Identifier: GPL-3.0-or-later
// The cues play on a thread of their own. A sound server that stops answering
// holds up whatever thread calls into the sound library, for as long as it
// stalls and sometimes for good; that thread is this one, never the window's.
//
// The caller only leaves the cue in a one-slot mailbox and goes on: a cue
// still waiting there when the next one comes is dropped, so a stalled player
// never piles up cues to play late.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "app/wave_sound.h"
#include "cue_module.h"

class QObject;
class QThread;

namespace brelvox::ui {

class CueThread {
 public:
  // Makes the player; runs on the sound thread, at the first cue.
  using Loader = std::function<std::unique_ptr<CueOutput>()>;

  // How long the end waits for the player to close.
  static constexpr std::chrono::milliseconds kCloseWait{500};

  explicit CueThread(Loader load);
  // Closes the player on its thread and waits for it, at most kCloseWait, and
  // without running the caller's event loop. A player still stuck in the sound
  // library after that can neither be destroyed nor outlive the library's own
  // exit handlers: the process then ends at once, as it would have next
  // (this object lives as long as the main window).
  ~CueThread();
  CueThread(const CueThread&) = delete;
  CueThread& operator=(const CueThread&) = delete;

  // Hands `sound` to the player and returns at once.
  void Play(std::shared_ptr<const brelvox::WaveSound> sound);

 private:
  struct Mailbox;
  void Start();

  Loader load_;
  std::shared_ptr<Mailbox> mailbox_;
  QThread* thread_ = nullptr;
  QObject* inbox_ = nullptr;  // lives on the sound thread; what the wake-ups go to
};

}  // namespace brelvox::ui
