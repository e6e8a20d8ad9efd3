// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology sees of the board: a table of cells, each with
// its row, column and content and the moves uncover and mark.
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QString>
#include <cstdint>

namespace brelvox {
struct GameState;
}

namespace brelvox::ui {

class BoardWidget;

// Makes BoardAccessible the interface of every board widget. Installing it
// again changes nothing.
void InstallBoardAccessibility();

// The name a screen reader speaks for a cell code ("covered", "3", ...).
QString CellName(int code);
// What a cell shows: its shown code while the game runs, its part of the
// final picture once it is over (mines, wrong marks).
std::uint8_t ShownCode(const brelvox::GameState& state, int col, int row);

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardAccessible(BoardWidget* board);
  ~BoardAccessible() override;

  // QAccessibleInterface
  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::Role role() const override { return QAccessible::Table; }
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  BoardWidget* Board() const;

 private:
  // One interface per cell, made when first asked for and kept, so that a
  // tool holding one sees it follow its cell from game to game.
  mutable QHash<int, QAccessible::Id> cells_;
};

}  // namespace brelvox::ui
