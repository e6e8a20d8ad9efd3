// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue_player.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace brelvox::ui {

namespace {

QAudioFormat FormatOf(const brelvox::WaveSound& sound) {
  QAudioFormat format;
  format.setSampleRate(sound.sampleRate);
  format.setChannelCount(sound.channels);
  switch (sound.type) {
    case brelvox::SampleType::UInt8:
      format.setSampleFormat(QAudioFormat::UInt8);
      break;
    case brelvox::SampleType::Int16:
      format.setSampleFormat(QAudioFormat::Int16);
      break;
    case brelvox::SampleType::Int32:
      format.setSampleFormat(QAudioFormat::Int32);
      break;
    case brelvox::SampleType::Float32:
      format.setSampleFormat(QAudioFormat::Float);
      break;
  }
  return format;
}

}  // namespace

CuePlayer::CuePlayer(QObject* parent) : QObject(parent) {}

CuePlayer::~CuePlayer() {
  Stop();
}

void CuePlayer::Stop() {
  if (sink_) sink_->stop();
  buffer_.close();
}

void CuePlayer::Play(std::shared_ptr<const brelvox::WaveSound> sound) {
  Stop();
  const QAudioFormat format = FormatOf(*sound);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return;
  if (!sink_ || sink_->format() != format || device_ != device) {
    delete sink_;
    sink_ = new QAudioSink(device, format, this);
    device_ = device;
  }
  playing_ = std::move(sound);
  buffer_.setData(QByteArray::fromRawData(playing_->samples.data(),
                                          static_cast<qsizetype>(playing_->samples.size())));
  buffer_.open(QIODevice::ReadOnly);
  sink_->start(&buffer_);
}

}  // namespace brelvox::ui
