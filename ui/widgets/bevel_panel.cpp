// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/bevel_panel.h"

#include <QPainter>

namespace {

const QColor kShadow(0x80, 0x80, 0x80);
const QColor kHighlight(0xFF, 0xFF, 0xFF);

void FillInclusive(QPainter& painter, int left, int top, int right, int bottom,
                   const QColor& color) {
  if (right < left || bottom < top) return;
  painter.fillRect(QRect(left, top, right - left + 1, bottom - top + 1), color);
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

void BevelPanel::Frame3D(QPainter& painter, QRect& rect, const QColor& top, const QColor& bottom,
                         int width) {
  for (; width > 0; --width) {
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    FillInclusive(painter, l, t, l, b - 1, top);  // left column, bottom pixel excepted
    FillInclusive(painter, l, t, r - 1, t, top);  // top row, right pixel excepted
    FillInclusive(painter, r, t, r, b, bottom);   // right column
    FillInclusive(painter, l, b, r, b, bottom);   // bottom row
    rect.adjust(1, 1, -1, -1);
  }
}

void BevelPanel::PaintPanel(QPainter& painter) {
  QRect rect(0, 0, width(), height());
  auto bevel = [&](Bevel kind) {
    if (kind == Bevel::None) return;
    const bool raised = kind == Bevel::Raised;
    Frame3D(painter, rect, raised ? kHighlight : kShadow, raised ? kShadow : kHighlight,
            BevelWidth());
  };
  bevel(bevelOuter_);
  bevel(bevelInner_);
  if (rect.isValid()) painter.fillRect(rect, color_);
  if (!caption_.isEmpty()) {
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(rect, Qt::AlignCenter, caption_);
  }
}

void BevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPanel(painter);
}
