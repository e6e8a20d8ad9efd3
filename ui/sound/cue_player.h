// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden player of the main window. It plays samples that were read and
// checked beforehand (brelvox::WaveCache), never a file, so nothing a sound
// library does with a file's bytes can hold up the window. One cue at a
// time: a new cue cuts off the one before.
#pragma once

#include <QAudioDevice>
#include <QBuffer>
#include <QObject>
#include <memory>

#include "app/wave_sound.h"

class QAudioSink;

namespace brelvox::ui {

class CuePlayer : public QObject {
  Q_OBJECT

 public:
  explicit CuePlayer(QObject* parent = nullptr);
  ~CuePlayer() override;

  // Starts `sound` and returns at once; silent when there is no sound device.
  void Play(std::shared_ptr<const brelvox::WaveSound> sound);

 private:
  void Stop();

  QAudioSink* sink_ = nullptr;
  QAudioDevice device_;  // the one sink_ plays on
  QBuffer buffer_;
  std::shared_ptr<const brelvox::WaveSound> playing_;  // the bytes buffer_ reads
};

}  // namespace brelvox::ui
