// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/level_chooser.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "widgets/control_font.h"
#include "widgets/glyph_button.h"
#include "widgets/named.h"

namespace brelvox::ui {

// Five lines each, separated by CR: name, size, mines, hints, a remark.
const char* const TLevelChoose::LevelDescriptions[brelvox::kLevelCount] = {
    QT_TR_NOOP("easy:\r8 * 8 size\r12 mines hidden\r4 hints allowed\ranyone can do this one..."),
    QT_TR_NOOP("standard:\r24 * 16 size\r55 mines hidden\r3 hints allowed\rthe standard challenge"),
    QT_TR_NOOP(
        "diffcult:\r30 * 16 size\r88 mines hidden\r1 hint allowed\rbe careful with those hints!"),
    QT_TR_NOOP("hard:\r30 * 24 size\r170 mines hidden\r1 hint allowed\rthis is really hard")};

namespace {

const char* const kLevelNames[brelvox::kLevelCount] = {
    QT_TRANSLATE_NOOP("brelvox::ui::TLevelChoose", "easy"),
    QT_TRANSLATE_NOOP("brelvox::ui::TLevelChoose", "standard"),
    QT_TRANSLATE_NOOP("brelvox::ui::TLevelChoose", "difficult"),
    QT_TRANSLATE_NOOP("brelvox::ui::TLevelChoose", "hard")};

}  // namespace

TLevelChoose::TLevelChoose(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("LevelChoose"));
  setWindowTitle(tr("choose a level"));
  setFont(ControlFont());
  setFixedSize(375, 184);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  // Group frames start half a caption below their top edge, the caption
  // sitting on the frame line, so the contents begin close to the top.
  setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); margin-top: 7px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0px 2px; }"));

  CreateLevelGroup();
  CreateDescription();
  CreateButtons();
  levelClick();
}

void TLevelChoose::CreateLevelGroup() {
  level = Named(new QGroupBox(tr("choose a level:"), this), "level");
  level->setGeometry(16, 16, 145, 105);
  group_ = new QButtonGroup(this);
  for (int i = 0; i < brelvox::kLevelCount; ++i) {
    levelButtons_[i] = new QRadioButton(tr(kLevelNames[i]), level);
    levelButtons_[i]->setObjectName(QStringLiteral("levelItem%1").arg(i));
    levelButtons_[i]->setGeometry(8, 18 + 21 * i, 129, 20);
    group_->addButton(levelButtons_[i], i);
    // A screen reader speaks the description after the level's name, which
    // its first line repeats.
    levelButtons_[i]->setAccessibleDescription(
        Description(i)
            .section(QLatin1Char('\n'), 1)
            .replace(QLatin1Char('\n'), QStringLiteral(", ")));
  }
  levelButtons_[0]->setChecked(true);
  // Any way of selecting an item, mouse or arrow keys, shows its description.
  connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) levelClick();
  });
}

void TLevelChoose::CreateDescription() {
  GroupBox1 = Named(new QGroupBox(tr("characteristics:"), this), "GroupBox1");
  GroupBox1->setGeometry(176, 16, 185, 105);
  description = Named(new QLabel(GroupBox1), "description");
  description->setGeometry(8, 16, 169, 81);
  description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  description->setWordWrap(false);
  description->setTextFormat(Qt::PlainText);
}

void TLevelChoose::CreateButtons() {
  Start = Named(new GlyphButton(QStringLiteral("glyph_start"), tr("Start"), this), "Start");
  Start->setGeometry(200, 136, 73, 33);
  Start->TakeTabFocus();
  Start->setDefault(true);  // Enter starts the selected level
  connect(Start, &QPushButton::clicked, this, [this] { StartClick(); });
  Cancel = Named(new GlyphButton(QStringLiteral("glyph_cancel"), tr("Cancel"), this), "Cancel");
  Cancel->setGeometry(288, 136, 73, 33);
  Cancel->TakeTabFocus();
  connect(Cancel, &QPushButton::clicked, this, [this] { reject(); });
  // A longer translated caption widens its button; the two keep their
  // right edge and the gap between them, and move to the left.
  Start->WidenToFitCaption(120);
  Cancel->WidenToFitCaption(120);
  Cancel->move(361 - Cancel->width(), 136);
  Start->move(Cancel->x() - 15 - Start->width(), 136);
}

int TLevelChoose::Run() {
  exec();
  // The dialog keeps its choices but not its native window and backing
  // store, which the next Run makes again.
  destroy();
  return ChosenLevel;
}

int TLevelChoose::SelectedIndex() const {
  return group_->checkedId();
}

void TLevelChoose::levelClick() {
  const int index = SelectedIndex();
  if (index < 0 || index >= brelvox::kLevelCount) return;
  description->setText(Description(index));
}

QString TLevelChoose::Description(int index) {
  // Each CR starts a new line of the label.
  QString text = tr(LevelDescriptions[index]);
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

void TLevelChoose::StartClick() {
  ChosenLevel = SelectedIndex();
  accept();
}

void TLevelChoose::reject() {
  ChosenLevel = -1;
  QDialog::reject();
}

void TLevelChoose::showEvent(QShowEvent* event) {
  levelClick();
  // Every opening starts on the levels, whichever button had the focus last
  // time, so that the arrows pick and Enter starts.
  const int index = SelectedIndex();
  if (index >= 0 && index < brelvox::kLevelCount) levelButtons_[index]->setFocus();
  QDialog::showEvent(event);
}

}  // namespace brelvox::ui
