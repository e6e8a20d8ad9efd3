#include "highscore_window.h"

#include <QHeaderView>
#include <QTableWidget>

#include "app/main_window_logic.h"
#include "glyph_button.h"
#include "named.h"
#include "ui_fonts.h"

THighscore::THighscore(brelvox::MainWindowLogic& logic, QWidget* parent, bool readScoreFile)
    : QDialog(parent), logic_(logic) {
  setObjectName(QStringLiteral("Highscore"));
  setWindowTitle(QStringLiteral("Highscore"));
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
  Table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Table->setSelectionMode(QAbstractItemView::NoSelection);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setFocusPolicy(Qt::NoFocus);
  Table->setEnabled(false);
  // Disabled, but its texts stay as readable as in an enabled grid.
  QPalette palette = Table->palette();
  for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::Base, QPalette::Button,
                    QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
  Table->setPalette(palette);

  BackButton = Named(new GlyphButton(QStringLiteral("glyph_back"), QStringLiteral("Back"), this),
                     "BackButton");
  BackButton->setGeometry(227, 183, 73, 33);
  connect(BackButton, &QPushButton::clicked, this, &QDialog::close);

  if (readScoreFile) logic_.HighscoreFormCreate();
  FillTable();
}

void THighscore::FillTable() {
  Table->clearSelection();
  const QBrush heading = palette().brush(QPalette::Button);
  for (int level = 0; level < brelvox::kLevelCount; ++level) {
    auto* head = new QTableWidgetItem(QString::fromStdString(brelvox::ScoreTable::Heading(level)));
    head->setBackground(heading);
    head->setFlags(Qt::ItemIsEnabled);
    Table->setItem(0, level, head);
    for (int rank = 1; rank <= brelvox::kRanks; ++rank) {
      auto* item =
          new QTableWidgetItem(QString::fromStdString(logic_.Scores().CellText(level, rank)));
      item->setFlags(Qt::ItemIsEnabled);
      Table->setItem(rank, level, item);
    }
  }
}
