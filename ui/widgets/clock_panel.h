// SPDX-License-Identifier: GPL-3.0-or-later
// The clock of the toolbar: a sunken black panel holding three two-digit
// displays for hours, minutes and seconds.
#pragma once

#include <QString>

#include "widgets/bevel_panel.h"

namespace brelvox::ui {

class TVexDigital;

class ClockPanel : public BevelPanel {
  Q_OBJECT

 public:
  explicit ClockPanel(QWidget* parent);

  TVexDigital* Hours() const { return DigH; }
  TVexDigital* Minutes() const { return DigM; }
  TVexDigital* Seconds() const { return DigS; }
  // The time shown, as "h:mm:ss".
  QString TimeText() const;

 private:
  // The displays, by their established names (also their objectNames).
  TVexDigital* DigH;
  TVexDigital* DigM;
  TVexDigital* DigS;
};

}  // namespace brelvox::ui
