// SPDX-License-Identifier: GPL-3.0-or-later
// A container in the classic panel look: an outer and an inner bevel (none,
// lowered or raised) one pixel wide, a background colour and a centred
// caption. The toolbar, the clock panel and the digit displays are
// built on it.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;

namespace brelvox::ui {

enum class Bevel { None, Lowered, Raised };

class BevelPanel : public QWidget {
  Q_OBJECT

 public:
  explicit BevelPanel(QWidget* parent = nullptr);

  Bevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(Bevel bevel);
  Bevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(Bevel bevel);
  static constexpr int BevelWidth() { return 1; }
  QColor Color() const { return color_; }
  void SetColor(const QColor& color);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Bevels, border, background and caption.
  void PaintPanel(QPainter& painter);

 private:
  Bevel bevelInner_ = Bevel::None;
  Bevel bevelOuter_ = Bevel::Raised;
  QColor color_;
  QString caption_;
};

}  // namespace brelvox::ui
