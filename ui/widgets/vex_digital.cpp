// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/vex_digital.h"

#include <QPainter>
#include <cstdio>

namespace brelvox::ui {

TVexDigital::TVexDigital(QWidget* parent) : BevelPanel(parent) {
  SetColor(Qt::black);
}

void TVexDigital::SetNumbers(const QImage& strip) {
  // An own copy, without alpha, so that glyphs are copied opaquely.
  numbers_ = strip.isNull() ? QImage() : strip.convertToFormat(QImage::Format_RGB32);
  numberWidth_ = static_cast<quint16>(numbers_.width() / 10);
  finerNumbers_ = {};
  AdjustHeight();
  update();
}

void TVexDigital::SetFinerNumbers(const QString& assetName) {
  finerNumbers_ = sharp::ScaledAsset(assetName, QImage::Format_RGB32);
  update();
}

void TVexDigital::SetNumberWidth(quint16 width) {
  numberWidth_ = width;
  update();
}

void TVexDigital::SetValue(qint32 value) {
  if (value == lastValue_) return;
  value_ = value;
  Reformat();
  update();
}

void TVexDigital::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustHeight();
  update();
}

void TVexDigital::SetFormatWidth(quint16 width) {
  formatWidth_ = width;
  Reformat();
  update();
}

void TVexDigital::Reformat() {
  lastValue_ = value_;
  // "%.Nd": at least N digits with leading zeros, a minus sign in front.
  char text[32];
  std::snprintf(text, sizeof text, "%.*d", static_cast<int>(formatWidth_),
                static_cast<int>(value_));
  displayText_ = QString::fromLatin1(text);
}

TVexDigital::Insets TVexDigital::GetInsets() const {
  const int inset = (BevelInner() != Bevel::None ? BevelWidth() : 0) +
                    (BevelOuter() != Bevel::None ? BevelWidth() : 0) + kMargin;
  return {inset, width() - inset, inset};
}

void TVexDigital::AdjustHeight() {
  if (!autoSize_) return;
  const int wanted = numbers_.height() + 2 * GetInsets().top;
  if (height() != wanted) resize(width(), wanted);
}

void TVexDigital::resizeEvent(QResizeEvent* event) {
  BevelPanel::resizeEvent(event);
  AdjustHeight();
}

void TVexDigital::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPanel(painter);
  if (numbers_.isNull()) return;

  const Insets insets = GetInsets();
  const int h = numbers_.height();
  const int w = numberWidth_;
  const qreal ratio = sharp::RatioOf(*this);
  const QImage* finer = nullptr;
  if (ratio != 1 && finerNumbers_.IsSet()) {
    const QImage& strip = finerNumbers_.For(ratio);
    if (strip.deviceIndependentSize().toSize() == numbers_.size()) finer = &strip;
  }
  int x = insets.right;
  for (qsizetype i = displayText_.size() - 1; i >= 0; --i) {
    x -= w;
    if (x > insets.left) {
      const QChar c = displayText_.at(i);
      int source = 0;
      if (c == QLatin1Char('-'))
        source = 10 * w;
      else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        source = (c.unicode() - '0') * w;
      if (finer)
        sharp::Draw(painter, QRect(x, insets.top, w, h), *finer, QRect(source, 0, w, h));
      else
        painter.drawImage(QRect(x, insets.top, w, h), numbers_, QRect(source, 0, w, h));
    }
  }
}

}  // namespace brelvox::ui
