// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and lines for screens of any device pixel ratio. Every picture of
// the resources exists at 1x, 2x and 3x (name.png, name@2x.png, name@3x.png);
// a ratio gets the nearest scale (1.5 takes 2x), and a fractional ratio
// scales that picture by repeating or leaving out whole pixels, so its edges
// stay hard. Pictures and lines start and end on whole device pixels. The
// logical size is always the 1x one.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

class QPainter;
class QPaintDevice;

namespace brelvox::ui {

namespace sharp {

// The picture scale (1, 2 or 3) that a device pixel ratio takes.
int ScaleFor(qreal devicePixelRatio);

// How many device pixels a line one logical pixel wide takes: 1 below a
// ratio of 2, then the whole part of the ratio. So at 1.25 and 1.5 every
// line of a grid is equally wide.
int LineWidth(qreal devicePixelRatio);

// `picture` made exactly `size` device pixels large by repeating or
// leaving out whole pixels (never blending two).
QImage Resampled(const QImage& picture, const QSize& size);

// The device pixels under a painter: where a logical coordinate falls,
// and filling or drawing on whole device pixels.
class DevicePixels {
 public:
  explicit DevicePixels(const QPainter& painter);

  qreal Ratio() const { return ratio_; }
  // The device pixel edge at logical x or y (rounded).
  int X(int logical) const;
  int Y(int logical) const;
  // The device rectangle that a logical one covers, edges rounded.
  QRect Covered(const QRect& logical) const;
  // Fills a rectangle of device pixels.
  void Fill(QPainter& painter, const QRect& device, const QColor& color) const;
  // Copies `picture` (device pixels, any ratio) onto the device rectangle of
  // its own size whose top-left corner is `device`.
  void Blit(QPainter& painter, const QPoint& device, const QImage& picture) const;
  // The logical rectangle exactly over a device one.
  QRectF Logical(const QRect& device) const;

 private:
  qreal ratio_;
  QPointF origin_;  // where logical (0, 0) lies on the device
};

// The device pixel ratio that painting on `device` is done at.
qreal RatioOf(const QPaintDevice& device);

// The resource picture `name` made for `scale`, in `format`, with its device
// pixel ratio set to the scale; null when it is missing.
QImage LoadAsset(const QString& name, int scale, QImage::Format format);

// Copies the logical rectangle `source` of `picture` (whose device pixel
// ratio tells how many of its pixels make a logical one) onto the logical
// rectangle `target`, on whole device pixels, resampled where the
// resolutions differ.
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

}  // namespace brelvox::ui
