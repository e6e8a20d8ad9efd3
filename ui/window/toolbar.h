// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar across the top of the main window: the five command buttons,
// the hint counter, the clock and the two cell-size arrows.
#pragma once

#include "app/control_states.h"
#include "app/view.h"
#include "widgets/bevel_panel.h"
#include "widgets/command_table.h"

namespace brelvox::ui {

class ClockPanel;
class GlyphButton;
class TVexDigital;

class Toolbar : public BevelPanel {
  Q_OBJECT

 public:
  // The controls start as `start` says.
  Toolbar(const brelvox::ControlStates& start, QWidget* parent);

  // The caption of Pause or Sound, and with it the button's tooltip.
  void SetCaption(brelvox::CaptionOf control, const QString& caption);

  // The display the logic names.
  TVexDigital* Digits(brelvox::Display display) const;
  // What assistive tools read for that display: the hint counter, or the
  // whole clock.
  QWidget* Counter(brelvox::Display display) const;

  // The widgets, by their established names (also their objectNames).
  GlyphButton* NewButton;
  GlyphButton* SoundButton;
  GlyphButton* InfoButton;
  GlyphButton* PauseButton;
  GlyphButton* HintButton;
  TVexDigital* DigHint;
  ClockPanel* Panel3;
  GlyphButton* UpButton;
  GlyphButton* DownButton;

 private:
  void NameForAssistiveTools();
  // The tooltip names the button's caption and its key.
  void ShowKeyInToolTip(GlyphButton* button, Command command);
};

}  // namespace brelvox::ui
