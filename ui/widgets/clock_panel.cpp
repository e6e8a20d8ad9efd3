// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/clock_panel.h"

#include "widgets/named.h"
#include "widgets/sharp_picture.h"
#include "widgets/vex_digital.h"

namespace brelvox::ui {

namespace {

TVexDigital* MakeDigits(QWidget* parent, int left, const char* name, const QImage& strip) {
  auto* digits = Named(new TVexDigital(parent), name);
  digits->setGeometry(left, 4, 41, 25);
  digits->SetBevelOuter(Bevel::None);
  digits->SetCaption(QString::fromLatin1(name));
  digits->SetNumbers(strip);
  digits->SetFinerNumbers(QStringLiteral("digits_segment"));
  digits->SetNumberWidth(16);
  digits->SetAutoSize(false);
  digits->SetFormatWidth(2);
  return digits;
}

}  // namespace

ClockPanel::ClockPanel(QWidget* parent) : BevelPanel(parent) {
  setObjectName(QStringLiteral("Panel3"));
  SetBevelOuter(Bevel::Lowered);
  SetColor(Qt::black);
  const QImage segments =
      sharp::LoadAsset(QStringLiteral("digits_segment"), 1, QImage::Format_RGB32);
  DigH = MakeDigits(this, 4, "DigH", segments);
  DigM = MakeDigits(this, 44, "DigM", segments);
  DigS = MakeDigits(this, 84, "DigS", segments);
}

QString ClockPanel::TimeText() const {
  return QStringLiteral("%1:%2:%3")
      .arg(DigH->Value())
      .arg(DigM->Value(), 2, 10, QLatin1Char('0'))
      .arg(DigS->Value(), 2, 10, QLatin1Char('0'));
}

}  // namespace brelvox::ui
