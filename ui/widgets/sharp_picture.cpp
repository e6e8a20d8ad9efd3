// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/sharp_picture.h"

#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QtMath>

namespace sharp {

int ScaleFor(qreal devicePixelRatio) {
  // A hair above a whole number (rounding in the ratio) still counts as it.
  return qBound(1, qCeil(devicePixelRatio - 0.01), 3);
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
  const QRectF from(source.x() * own, source.y() * own, source.width() * own,
                    source.height() * own);
  const bool exact = qFuzzyCompare(own, RatioOf(*painter.device()));
  if (exact) {
    painter.drawImage(QRectF(target), picture, from);
    return;
  }
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRectF(target), picture, from);
  painter.restore();
}

const QImage& ScaledAsset::For(qreal ratio) {
  const int scale = ScaleFor(ratio);
  if (scale != scale_ && IsSet()) {
    image_ = LoadAsset(name_, scale, format_);
    // A missing finer picture falls back to the 1x one, scaled up smoothly.
    if (image_.isNull() && scale > 1) image_ = LoadAsset(name_, 1, format_);
    scale_ = scale;
  }
  return image_;
}

}  // namespace sharp
