// SPDX-License-Identifier: GPL-3.0-or-later
// The modal high-score window: a grid of the five best times per level.
#pragma once

#include <QDialog>

class QTableWidget;

namespace brelvox {
class MainWindowLogic;
}

namespace brelvox::ui {

class GlyphButton;

class THighscore : public QDialog {
  Q_OBJECT

 public:
  // Shows the scores the logic holds; the logic reads the file at start-up.
  explicit THighscore(brelvox::MainWindowLogic& logic, QWidget* parent = nullptr);

  // Writes the headings and the twenty entries into the grid.
  void FillTable();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The text of one entry, rank 1..5, in the player's language.
  QString CellText(int level, int rank) const;

  // The widgets, by their established names (also their objectNames).
  QTableWidget* Table;
  GlyphButton* BackButton;

  brelvox::MainWindowLogic& logic_;
};

}  // namespace brelvox::ui
