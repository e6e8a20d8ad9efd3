// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/sharp_picture.h"

#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QtMath>

namespace brelvox::ui {

namespace sharp {

int ScaleFor(qreal devicePixelRatio) {
  // The nearest scale, and the finer one half-way between two: 1.25 takes
  // the 1x picture (each pixel shown once or twice), 1.5 the 2x one (three
  // pixels of four kept), so no line of the picture is ever lost.
  return qBound(1, qFloor(devicePixelRatio + 0.5), 3);
}

int LineWidth(qreal devicePixelRatio) {
  // A hair below a whole number (rounding in the ratio) still counts as it.
  return qMax(1, qFloor(devicePixelRatio + 0.01));
}

QImage Resampled(const QImage& picture, const QSize& size) {
  if (picture.size() == size || picture.isNull() || size.isEmpty()) return picture;
  const QImage from =
      picture.depth() == 32 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
  QImage to(size, from.format());
  const qsizetype w = from.width(), h = from.height();
  for (int y = 0; y < size.height(); ++y) {
    // Each device pixel takes the source pixel under its centre.
    const auto sy = static_cast<int>(qMin<qsizetype>(h - 1, (2 * y + 1) * h / (2 * size.height())));
    const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(sy));
    auto* out = reinterpret_cast<QRgb*>(to.scanLine(y));
    for (int x = 0; x < size.width(); ++x)
      out[x] = in[qMin<qsizetype>(w - 1, (2 * x + 1) * w / (2 * size.width()))];
  }
  return to;
}

DevicePixels::DevicePixels(const QPainter& painter)
    : ratio_(painter.combinedTransform().m11()),
      origin_(painter.combinedTransform().map(QPointF(0, 0))) {
  if (ratio_ <= 0) ratio_ = 1;
}

int DevicePixels::X(int logical) const {
  return qFloor(origin_.x() + logical * ratio_ + 0.5);
}

int DevicePixels::Y(int logical) const {
  return qFloor(origin_.y() + logical * ratio_ + 0.5);
}

QRect DevicePixels::Covered(const QRect& logical) const {
  const int left = X(logical.x()), top = Y(logical.y());
  return QRect(left, top, X(logical.x() + logical.width()) - left,
               Y(logical.y() + logical.height()) - top);
}

QRectF DevicePixels::Logical(const QRect& device) const {
  return QRectF((device.x() - origin_.x()) / ratio_, (device.y() - origin_.y()) / ratio_,
                device.width() / ratio_, device.height() / ratio_);
}

void DevicePixels::Fill(QPainter& painter, const QRect& device, const QColor& color) const {
  if (device.isEmpty()) return;
  if (ratio_ == 1 && origin_ == origin_.toPoint())
    painter.fillRect(device.translated(-origin_.toPoint()), color);
  else
    painter.fillRect(Logical(device), color);
}

void DevicePixels::Blit(QPainter& painter, const QPoint& device, const QImage& picture) const {
  const QRect target(device, picture.size());
  painter.drawImage(Logical(target), picture, QRectF(picture.rect()));
}

qreal RatioOf(const QPaintDevice& device) {
  return device.devicePixelRatioF();
}

QImage LoadAsset(const QString& name, int scale, QImage::Format format) {
  const QString file = scale == 1 ? QStringLiteral(":/assets/%1.png").arg(name)
                                  : QStringLiteral(":/assets/%1@%2x.png").arg(name).arg(scale);
  // Read as PNG only: a reader left to guess the format first loads every
  // image plugin on the system to ask whether it knows the file.
  QImageReader reader(file, "png");
  reader.setAutoDetectImageFormat(false);
  QImage picture = reader.read();
  if (picture.isNull()) return QImage();
  picture = picture.convertToFormat(format);
  picture.setDevicePixelRatio(scale);
  return picture;
}

void Draw(QPainter& painter, const QRect& target, const QImage& picture, const QRect& source) {
  const qreal own = picture.devicePixelRatio();
  const QRect from(qRound(source.x() * own), qRound(source.y() * own), qRound(source.width() * own),
                   qRound(source.height() * own));
  const bool exact = qFuzzyCompare(own, RatioOf(*painter.device()));
  if (exact) {
    painter.drawImage(QRectF(target), picture, QRectF(from));
    return;
  }
  const DevicePixels pixels(painter);
  const QRect device = pixels.Covered(target);
  QImage part = Resampled(picture.copy(from), device.size());
  part.setDevicePixelRatio(1);
  pixels.Blit(painter, device.topLeft(), part);
}

const QImage& ScaledAsset::For(qreal ratio) {
  const int scale = ScaleFor(ratio);
  if (scale != scale_ && IsSet()) {
    image_ = LoadAsset(name_, scale, format_);
    // A missing finer picture falls back to the 1x one.
    if (image_.isNull() && scale > 1) image_ = LoadAsset(name_, 1, format_);
    scale_ = scale;
  }
  return image_;
}

}  // namespace sharp

}  // namespace brelvox::ui
