// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology sees of the main window beyond its plain
// widgets: the board as a table of cells with the moves uncover and mark,
// and the digit displays with their values as text.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class BoardArea;
class QWidget;

// Makes the interfaces below the ones Qt uses for their widgets. Call once,
// before the windows are shown.
void InstallAccessibility();

// The name a screen reader speaks for a cell code ("covered", "3", ...).
QString CellName(int code);

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardAccessible(BoardArea* board);
  ~BoardAccessible() override;

  // Events for what changed; each does nothing while no tool listens.
  static void CellChanged(BoardArea* board, int col, int row);
  static void BoardChanged(BoardArea* board);
  static void FocusChanged(BoardArea* board);

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

  BoardArea* Board() const;

 private:
  // One interface per cell, made when first asked for and kept, so that a
  // tool holding one sees it follow its cell from game to game.
  mutable QHash<int, QAccessible::Id> cells_;
};

// A digit display, or the clock panel of three, with its value as text.
class CounterAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit CounterAccessible(QWidget* widget);

  static void ValueChanged(QWidget* counter);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text t) const override;
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }

  // QAccessibleTextInterface, read-only.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override;

 private:
  QString ValueText() const;
};
