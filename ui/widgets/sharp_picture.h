// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures for screens of any device pixel ratio. Every picture of the
// resources exists at 1x, 2x and 3x (name.png, name@2x.png, name@3x.png); a
// ratio gets the nearest scale at or above it, and a fractional ratio scales
// that picture down smoothly. The logical size is always the 1x one.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;
class QPaintDevice;

namespace sharp {

// The picture scale (1, 2 or 3) that a device pixel ratio takes.
int ScaleFor(qreal devicePixelRatio);

// The device pixel ratio that painting on `device` is done at.
qreal RatioOf(const QPaintDevice& device);

// The resource picture `name` made for `scale`, in `format`, with its device
// pixel ratio set to the scale; null when it is missing.
QImage LoadAsset(const QString& name, int scale, QImage::Format format);

// Copies the logical rectangle `source` of `picture` (whose device pixel
// ratio tells how many of its pixels make a logical one) onto the logical
// rectangle `target`, smoothly scaled where the resolutions differ.
void Draw(QPainter& painter, const QRect& target, const QImage& picture, const QRect& source);

// One resource picture at the scale of the ratio last asked for, loaded
// when first needed; only that scale is kept.
class ScaledAsset {
 public:
  ScaledAsset() = default;
  ScaledAsset(QString name, QImage::Format format) : name_(std::move(name)), format_(format) {}

  bool IsSet() const { return !name_.isEmpty(); }
  // The picture for `ratio`; null when there is no such asset.
  const QImage& For(qreal ratio);

 private:
  QString name_;
  QImage::Format format_ = QImage::Format_RGB32;
  int scale_ = 0;
  QImage image_;
};

}  // namespace sharp
