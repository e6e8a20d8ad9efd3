// SPDX-License-Identifier: GPL-3.0-or-later
// A digit display: shows an integer as a row of pictures cut from a digit
// strip (ten glyphs of equal width side by side, an optional eleventh for
// the minus sign), right-aligned inside the panel's bevels.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

#include "widgets/bevel_panel.h"
#include "widgets/sharp_picture.h"

namespace brelvox::ui {

class TVexDigital : public BevelPanel {
  Q_OBJECT

 public:
  explicit TVexDigital(QWidget* parent = nullptr);

  const QImage& Numbers() const { return numbers_; }
  void SetNumbers(const QImage& strip);
  // The same strip drawn finer, under this name in the resources: glyphs
  // are copied from it on screens with more than one device pixel per
  // logical one. Setting Numbers forgets it.
  void SetFinerNumbers(const QString& assetName);
  quint16 NumberWidth() const { return numberWidth_; }
  void SetNumberWidth(quint16 width);
  qint32 Value() const { return value_; }
  void SetValue(qint32 value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  quint16 FormatWidth() const { return formatWidth_; }
  void SetFormatWidth(quint16 width);

  const QString& DisplayText() const { return displayText_; }

  struct Insets {
    int left;
    int right;
    int top;
  };
  // Room between the bevels and the glyphs.
  static constexpr int kMargin = 2;
  // The glyph area: bevels and margin taken off.
  Insets GetInsets() const;
  // With AutoSize, makes the control as high as the strip plus the insets.
  void AdjustHeight();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Reformat();

  QImage numbers_;
  sharp::ScaledAsset finerNumbers_;
  quint16 numberWidth_ = 0;
  qint32 value_ = 0;
  bool autoSize_ = true;
  quint16 formatWidth_ = 1;

  QString displayText_ = QStringLiteral("0");
  // The value the text was last formatted from; starts at the largest value
  // so that the first value set is always formatted.
  qint32 lastValue_ = 2147483647;
};

}  // namespace brelvox::ui
