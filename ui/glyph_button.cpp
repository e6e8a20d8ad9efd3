// SPDX-License-Identifier: GPL-3.0-or-later
#include "glyph_button.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "sharp_picture.h"

namespace {

QPixmap Half(const QImage& glyph, int index, QRgb transparent) {
  const int w = glyph.width() / 2;
  QImage half = glyph.copy(index * w, 0, w, glyph.height());
  for (int y = 0; y < half.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(half.scanLine(y));
    for (int x = 0; x < half.width(); ++x)
      if ((line[x] & 0xFFFFFF) == (transparent & 0xFFFFFF)) line[x] = 0;
  }
  half.setDevicePixelRatio(glyph.devicePixelRatio());
  return QPixmap::fromImage(half);
}

}  // namespace

QIcon GlyphButton::LoadGlyph(const QString& glyphName) {
  QIcon icon;
  // Each scale of the glyph: the icon picks the one that the screen needs.
  for (int scale = 1; scale <= 3; ++scale) {
    const QImage glyph = sharp::LoadAsset(glyphName, scale, QImage::Format_ARGB32);
    if (glyph.isNull()) {
      if (scale == 1) return QIcon();
      continue;
    }
    const QRgb transparent = glyph.pixel(0, glyph.height() - 1);
    icon.addPixmap(Half(glyph, 0, transparent), QIcon::Normal);
    icon.addPixmap(Half(glyph, 1, transparent), QIcon::Disabled);
  }
  return icon;
}

GlyphButton::GlyphButton(const QString& glyphName, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  setFocusPolicy(Qt::NoFocus);
  setAutoDefault(false);
  setIcon(LoadGlyph(glyphName));
  setIconSize(QSize(16, 16));
}

void GlyphButton::TakeTabFocus() {
  setFocusPolicy(Qt::TabFocus);
  setAutoDefault(true);
}

QRect GlyphButton::FocusFrame() const {
  return rect().adjusted(4, 4, -5, -5);
}

void GlyphButton::paintEvent(QPaintEvent* event) {
  QPushButton::paintEvent(event);
  if (!hasFocus()) return;
  // Drawn by the button itself, so every style shows the same frame.
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(FocusFrame());
}
