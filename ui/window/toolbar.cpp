// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/toolbar.h"

#include <QCoreApplication>

#include "widgets/clock_panel.h"
#include "widgets/command_table.h"
#include "widgets/glyph_button.h"
#include "widgets/logic_text.h"
#include "widgets/named.h"
#include "widgets/sharp_picture.h"
#include "widgets/vex_digital.h"

namespace brelvox::ui {

Toolbar::Toolbar(const brelvox::ControlStates& start, QWidget* parent) : BevelPanel(parent) {
  setObjectName(QStringLiteral("Panel1"));
  auto button = [this](const char* name, const char* glyph, const QString& caption, int left) {
    auto* b = Named(new GlyphButton(QString::fromLatin1(glyph), caption, this), name);
    b->setGeometry(left, 8, 73, 33);
    return b;
  };
  // The logic changes the captions of Sound and Pause later.
  NewButton = button("NewButton", "glyph_new", CommandText(Command::New), 8);
  SoundButton = button("SoundButton", "glyph_sound", LogicText(start.soundCaption), 88);
  InfoButton = button("InfoButton", "glyph_info", CommandText(Command::Info), 168);
  PauseButton = button("PauseButton", "glyph_pause", LogicText(start.pauseCaption), 248);
  HintButton = button("HintButton", "glyph_hint", CommandText(Command::Hint), 328);
  PauseButton->setEnabled(start.pauseEnabled);
  HintButton->setEnabled(start.hintEnabled);
  // A long caption may take part of the 7-pixel gaps, keeping one pixel
  // between two buttons; Sound and Pause make room for both their words.
  NewButton->WidenToFitCaption(79);
  SoundButton->WidenToFitCaption(79, {LogicText("Silent"), LogicText("Sound")});
  InfoButton->WidenToFitCaption(79);
  PauseButton->WidenToFitCaption(79, {LogicText("Pause"), LogicText("Play")});
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
  for (int i = 0; i < brelvox::kDisplayCount; ++i) {
    const auto display = static_cast<brelvox::Display>(i);
    Digits(display)->setVisible(start.visible(display));
  }

  UpButton = Named(new GlyphButton(QStringLiteral("glyph_up"), QString(), this), "UpButton");
  UpButton->setGeometry(576, 6, 18, 19);
  DownButton = Named(new GlyphButton(QStringLiteral("glyph_down"), QString(), this), "DownButton");
  DownButton->setGeometry(576, 24, 18, 19);
  NameForAssistiveTools();
}

void Toolbar::NameForAssistiveTools() {
  DigHint->setAccessibleName(
      WindowText(QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Hints left")));
  DigHint->setAccessibleDescription(WindowText(QT_TRANSLATE_NOOP(
      "brelvox::ui::TMainWindow", "Hints you may still take without losing your score")));
  Panel3->setAccessibleName(WindowText(QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Time")));
  Panel3->setAccessibleDescription(WindowText(
      QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Time played, hours:minutes:seconds")));
  UpButton->setAccessibleName(CommandText(Command::BiggerCells));
  DownButton->setAccessibleName(CommandText(Command::SmallerCells));
  const std::pair<GlyphButton*, Command> buttons[] = {
      {NewButton, Command::New},          {SoundButton, Command::Sound},
      {InfoButton, Command::Info},        {PauseButton, Command::Pause},
      {HintButton, Command::Hint},        {UpButton, Command::BiggerCells},
      {DownButton, Command::SmallerCells}};
  for (const auto& [button, command] : buttons) {
    button->setAccessibleDescription(
        QStringLiteral("%1 (%2)").arg(CommandDescription(command), KeyNames(command)));
    ShowKeyInToolTip(button, command);
  }
}

void Toolbar::ShowKeyInToolTip(GlyphButton* button, Command command) {
  const QString caption = button->text().isEmpty() ? CommandText(command) : button->text();
  button->setToolTip(ToolTip(caption, command));
}

void Toolbar::SetCaption(brelvox::CaptionOf control, const QString& caption) {
  const bool pause = control == brelvox::CaptionOf::PauseButton;
  GlyphButton* button = pause ? PauseButton : SoundButton;
  button->setText(caption);
  ShowKeyInToolTip(button, pause ? Command::Pause : Command::Sound);
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

}  // namespace brelvox::ui
