// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/glyph_button.h"

#include <QFile>
#include <QFontMetrics>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>
#include <array>

#include "widgets/sharp_picture.h"

namespace brelvox::ui {

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

constexpr int kGlyphSize = 16;

// The glyph's pictures are decoded only at the scales a screen asks for: a
// window on a 1x screen never loads the 2x and 3x files.
class GlyphEngine : public QIconEngine {
 public:
  explicit GlyphEngine(QString name) : name_(std::move(name)) {}

  QIconEngine* clone() const override { return new GlyphEngine(*this); }

  // `size` is in device pixels.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    const int index = mode == QIcon::Disabled ? 1 : 0;
    const qreal wanted = qMax(size.width(), size.height()) / qreal(kGlyphSize);
    QPixmap half = Halves(sharp::ScaleFor(wanted))[index];
    if (half.isNull()) half = Halves(1)[index];
    half.setDevicePixelRatio(1);
    // Any other size repeats or leaves out whole pixels, so edges stay hard.
    const QSize fit = half.size().scaled(size, Qt::KeepAspectRatio);
    if (!half.isNull() && fit != half.size())
      half = QPixmap::fromImage(sharp::Resampled(half.toImage(), fit));
    return half;
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    return QSize(kGlyphSize, kGlyphSize)
        .scaled(size.boundedTo(QSize(kGlyphSize, kGlyphSize)), Qt::KeepAspectRatio);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device()->devicePixelRatioF();
    QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), picture);
  }

 private:
  // The normal and the disabled picture at one scale, loaded on first use.
  const std::array<QPixmap, 2>& Halves(int scale) {
    const auto index = static_cast<std::size_t>(scale - 1);
    auto& halves = scales_[index];
    if (!loaded_[index]) {
      loaded_[index] = true;
      const QImage glyph = sharp::LoadAsset(name_, scale, QImage::Format_ARGB32);
      if (!glyph.isNull()) {
        const QRgb transparent = glyph.pixel(0, glyph.height() - 1);
        halves = {Half(glyph, 0, transparent), Half(glyph, 1, transparent)};
      }
    }
    return halves;
  }

  QString name_;
  std::array<bool, 3> loaded_{};
  std::array<std::array<QPixmap, 2>, 3> scales_;
};

}  // namespace

QIcon GlyphButton::LoadGlyph(const QString& glyphName) {
  if (!QFile::exists(QStringLiteral(":/assets/%1.png").arg(glyphName))) return QIcon();
  return QIcon(new GlyphEngine(glyphName));
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

int GlyphButton::WidthFor(const QString& caption) const {
  QStyleOptionButton option;
  option.initFrom(this);
  if (autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
  const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  // The glyph and its gap, then the caption's ink, with the padding on both
  // sides inside the frame.
  const int glyph = icon().isNull() ? 0 : iconSize().width() + 4;
  const int ink = fontMetrics().tightBoundingRect(caption).width();
  return width() - room.width() + glyph + ink + 2 * kCaptionPadding;
}

void GlyphButton::WidenToFitCaption(int maxWidth, const QStringList& otherCaptions) {
  int need = WidthFor(text());
  for (const QString& caption : otherCaptions) need = qMax(need, WidthFor(caption));
  if (need <= width()) return;
  const QRect place = geometry();
  const int wide = qMin(need, maxWidth);
  setGeometry(place.center().x() - (wide - 1) / 2, place.y(), wide, place.height());
}

}  // namespace brelvox::ui
