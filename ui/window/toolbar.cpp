// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/toolbar.h"

#include <QCoreApplication>

#include "widgets/clock_panel.h"
#include "widgets/glyph_button.h"
#include "widgets/logic_text.h"
#include "widgets/named.h"
#include "widgets/sharp_picture.h"
#include "widgets/vex_digital.h"

namespace {

// The toolbar's texts are translated as the main window's.
struct WindowText {
  Q_DECLARE_TR_FUNCTIONS(TMainWindow)
};

}  // namespace

Toolbar::Toolbar(QWidget* parent) : BevelPanel(parent) {
  setObjectName(QStringLiteral("Panel1"));
  auto button = [this](const char* name, const char* glyph, const QString& caption, int left) {
    auto* b = Named(new GlyphButton(QString::fromLatin1(glyph), caption, this), name);
    b->setGeometry(left, 8, 73, 33);
    return b;
  };
  // Silent and Pause are captions the logic changes later.
  NewButton = button("NewButton", "glyph_new", WindowText::tr("New"), 8);
  SoundButton = button("SoundButton", "glyph_sound", LogicText("Silent"), 88);
  InfoButton = button("InfoButton", "glyph_info", WindowText::tr("Info"), 168);
  PauseButton = button("PauseButton", "glyph_pause", LogicText("Pause"), 248);
  HintButton = button("HintButton", "glyph_hint", WindowText::tr("Hint"), 328);
  // A long caption may take part of the 7-pixel gaps, keeping one pixel
  // between two buttons; Silent and Pause make room for their other words.
  NewButton->WidenToFitCaption(79);
  SoundButton->WidenToFitCaption(79, {LogicText("Sound")});
  InfoButton->WidenToFitCaption(79);
  PauseButton->WidenToFitCaption(79, {LogicText("Play")});
  HintButton->WidenToFitCaption(79);

  DigHint = Named(new TVexDigital(this), "DigHint");
  DigHint->setGeometry(408, 8, 27, 33);
  DigHint->SetBevelInner(Bevel::Lowered);
  DigHint->SetBevelOuter(Bevel::None);
  DigHint->SetNumbers(sharp::LoadAsset(QStringLiteral("digits_flip"), 1, QImage::Format_RGB32));
  DigHint->SetFinerNumbers(QStringLiteral("digits_flip"));
  DigHint->SetNumberWidth(20);

  Panel3 = new ClockPanel(this);
  Panel3->setGeometry(441, 8, 129, 33);

  UpButton = Named(new GlyphButton(QStringLiteral("glyph_up"), QString(), this), "UpButton");
  UpButton->setGeometry(576, 6, 18, 19);
  DownButton = Named(new GlyphButton(QStringLiteral("glyph_down"), QString(), this), "DownButton");
  DownButton->setGeometry(576, 24, 18, 19);
  NameForAssistiveTools();
}

void Toolbar::NameForAssistiveTools() {
  DigHint->setAccessibleName(WindowText::tr("Hints left"));
  DigHint->setAccessibleDescription(
      WindowText::tr("Hints you may still take without losing your score"));
  Panel3->setAccessibleName(WindowText::tr("Time"));
  Panel3->setAccessibleDescription(WindowText::tr("Time played, hours:minutes:seconds"));
  UpButton->setAccessibleName(WindowText::tr("Bigger cells"));
  UpButton->setAccessibleDescription(
      WindowText::tr("Makes the cells of this level bigger (Ctrl+Plus)"));
  DownButton->setAccessibleName(WindowText::tr("Smaller cells"));
  DownButton->setAccessibleDescription(
      WindowText::tr("Makes the cells of this level smaller (Ctrl+Minus)"));
  NewButton->setAccessibleDescription(
      WindowText::tr("Chooses a level and starts a new game (Ctrl+N)"));
  SoundButton->setAccessibleDescription(WindowText::tr("Switches the sound cues off or on (S)"));
  InfoButton->setAccessibleDescription(WindowText::tr("Shows the help and the best times (F1)"));
  PauseButton->setAccessibleDescription(WindowText::tr("Hides the board and stops the clock (P)"));
  HintButton->setAccessibleDescription(
      WindowText::tr("Makes a safe move for you; the counter beside it shows the hints left (H)"));
}

TVexDigital* Toolbar::Digits(brelvox::Display display) const {
  switch (display) {
    case brelvox::Display::DigHint:
      return DigHint;
    case brelvox::Display::DigS:
      return Panel3->Seconds();
    case brelvox::Display::DigM:
      return Panel3->Minutes();
    case brelvox::Display::DigH:
      return Panel3->Hours();
  }
  return DigHint;
}

QWidget* Toolbar::Counter(brelvox::Display display) const {
  if (display == brelvox::Display::DigHint) return DigHint;
  return Panel3;
}
