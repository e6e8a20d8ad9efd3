// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/highscore_window.h"

#include <QHeaderView>
#include <QTableWidget>

#include "app/main_window_logic.h"
#include "widgets/control_font.h"
#include "widgets/glyph_button.h"
#include "widgets/logic_text.h"
#include "widgets/named.h"

namespace brelvox::ui {

THighscore::THighscore(brelvox::MainWindowLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName(QStringLiteral("Highscore"));
  setWindowTitle(tr("Highscore"));
  setFont(ControlFont());
  setFixedSize(518, 227);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  Table = Named(new QTableWidget(1 + brelvox::kRanks, brelvox::kLevelCount, this), "Table");
  Table->setGeometry(16, 16, 487, 153);
  Table->horizontalHeader()->hide();
  Table->verticalHeader()->hide();
  // 120-pixel cells, each followed by its grid line; rows 24 pixels high.
  for (int col = 0; col < brelvox::kLevelCount; ++col) Table->setColumnWidth(col, 121);
  for (int row = 0; row <= brelvox::kRanks; ++row) Table->setRowHeight(row, 25);
  Table->setShowGrid(true);
  // "m:s by name" on one line; a name longer than its cell ends in "..."
  // where the cell ends. The whole entry is the cell's tooltip and what a
  // screen reader reads.
  Table->setWordWrap(false);
  Table->setTextElideMode(Qt::ElideRight);
  Table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Read-only and never highlighted, but enabled: Tab reaches it, the arrows
  // walk its cells, and assistive tools hear each cell's text.
  Table->setSelectionMode(QAbstractItemView::NoSelection);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setFocusPolicy(Qt::TabFocus);
  Table->setTabKeyNavigation(false);
  Table->setAccessibleName(windowTitle());

  BackButton = Named(new GlyphButton(QStringLiteral("glyph_back"), tr("Back"), this), "BackButton");
  BackButton->setGeometry(227, 183, 73, 33);
  BackButton->TakeTabFocus();
  connect(BackButton, &QPushButton::clicked, this, &QDialog::close);
  BackButton->WidenToFitCaption(121);
  setTabOrder(BackButton, Table);

  FillTable();
}

QString THighscore::CellText(int level, int rank) const {
  const brelvox::ScoreTable& scores = logic_.Scores();
  const unsigned time = scores.times[level][rank - 1];
  const std::string& name = scores.names[level][rank - 1];
  // The default entry's name is shown in the player's language; what the
  // file holds, and any name a player typed, stays as it is.
  const bool byDefault = time == brelvox::kDefaultScoreTime && name == brelvox::kDefaultScoreName;
  //: A time in minutes:seconds (%1), and who made it (%2)
  return tr("%1 by %2")
      .arg(QStringLiteral("%1:%2").arg(time / 60).arg(time % 60),
           byDefault ? LogicText(name) : QString::fromStdString(name));
}

void THighscore::FillTable() {
  Table->clearSelection();
  const QBrush heading = palette().brush(QPalette::Button);
  for (int level = 0; level < brelvox::kLevelCount; ++level) {
    auto* head = new QTableWidgetItem(LogicText(brelvox::ScoreTable::Heading(level)));
    head->setBackground(heading);
    head->setFlags(Qt::ItemIsEnabled);
    Table->setItem(0, level, head);
    for (int rank = 1; rank <= brelvox::kRanks; ++rank) {
      auto* item = new QTableWidgetItem(CellText(level, rank));
      item->setFlags(Qt::ItemIsEnabled);
      item->setToolTip(item->text());
      Table->setItem(rank, level, item);
    }
  }
}

void THighscore::showEvent(QShowEvent* event) {
  // Every opening starts on Back, so Enter or Space closes the window.
  BackButton->setFocus();
  QDialog::showEvent(event);
}

}  // namespace brelvox::ui
