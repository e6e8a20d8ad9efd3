// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/bevel_panel.h"

#include <QPainter>

#include "widgets/sharp_picture.h"

namespace brelvox::ui {

namespace {

const QColor kShadow(0x80, 0x80, 0x80);
const QColor kHighlight(0xFF, 0xFF, 0xFF);

// Draws `rings` edges of `line` device pixels each around the device
// rectangle `rect`: `top` colour on the left and top, `bottom` colour on the
// right and bottom, the two meeting on the diagonal of the corners; `rect`
// shrinks by what was drawn.
void Frame3D(QPainter& painter, const sharp::DevicePixels& pixels, QRect& rect, const QColor& top,
             const QColor& bottom, int rings, int line) {
  for (; rings > 0 && rect.width() > 0 && rect.height() > 0; --rings) {
    const int l = rect.left(), t = rect.top(), r = rect.right() + 1, b = rect.bottom() + 1;
    const int wide = qMin(line, qMin(rect.width(), rect.height()));
    pixels.Fill(painter, QRect(l, t, wide, b - t - wide), top);     // left, bottom end excepted
    pixels.Fill(painter, QRect(l, t, r - l - wide, wide), top);     // top, right end excepted
    pixels.Fill(painter, QRect(r - wide, t, wide, b - t), bottom);  // right
    pixels.Fill(painter, QRect(l, b - wide, r - l, wide), bottom);  // bottom
    rect.adjust(wide, wide, -wide, -wide);
  }
}

}  // namespace

BevelPanel::BevelPanel(QWidget* parent)
    : QWidget(parent), color_(palette().color(QPalette::Button)) {}

void BevelPanel::SetBevelInner(Bevel bevel) {
  bevelInner_ = bevel;
  update();
}

void BevelPanel::SetBevelOuter(Bevel bevel) {
  bevelOuter_ = bevel;
  update();
}

void BevelPanel::SetColor(const QColor& color) {
  color_ = color;
  update();
}

void BevelPanel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void BevelPanel::PaintPanel(QPainter& painter) {
  // Bevels and background on whole device pixels, so that at a fractional
  // ratio every edge is as wide as every other.
  const sharp::DevicePixels pixels(painter);
  const int line = sharp::LineWidth(pixels.Ratio());
  QRect rect = pixels.Covered(this->rect());
  QRect inside = this->rect();
  auto bevel = [&](Bevel kind) {
    if (kind == Bevel::None) return;
    const bool raised = kind == Bevel::Raised;
    Frame3D(painter, pixels, rect, raised ? kHighlight : kShadow, raised ? kShadow : kHighlight,
            BevelWidth(), line);
    inside.adjust(BevelWidth(), BevelWidth(), -BevelWidth(), -BevelWidth());
  };
  bevel(bevelOuter_);
  bevel(bevelInner_);
  if (rect.isValid()) pixels.Fill(painter, rect, color_);
  if (!caption_.isEmpty()) {
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(inside, Qt::AlignCenter, caption_);
  }
}

void BevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPanel(painter);
}

}  // namespace brelvox::ui
