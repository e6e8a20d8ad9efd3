// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_accessible.h"

#include <QCoreApplication>
#include <QPointer>

#include "board/board_widget.h"
#include "game/board.h"
#include "game/game_state.h"

namespace brelvox::ui {

namespace {

using brelvox::GameState;

// The board's texts for assistive tools, translated as the board's own.
struct BoardText {
  Q_DECLARE_TR_FUNCTIONS(brelvox::ui::BoardWidget)
};

// One cell of the board: its row and column, a name for its code, and the
// moves uncover and mark.
class CellAccessible : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
 public:
  CellAccessible(BoardWidget* board, int col, int row) : board_(board), col_(col), row_(row) {}

  // The moves a tool can make on the cell, in the order of BoardCursor::Move.
  static const QStringList& Actions() {
    static const QStringList actions{QStringLiteral("uncover"), QStringLiteral("mark"),
                                     QStringLiteral("chord")};
    return actions;
  }

  bool isValid() const override { return board_ && board_->State().InArea(col_, row_); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return board_ ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (!isValid() || board_->State().Paused) return {};  // the board is hidden
    if (t == QAccessible::Name) return CellName(ShownCode(board_->State(), col_, row_));
    if (t == QAccessible::Description)
      return BoardText::tr("row %1, column %2").arg(row_ + 1).arg(col_ + 1);
    return {};
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const int size = board_->State().CellSize;
    return QRect(board_->mapToGlobal(QPoint(col_ * size, row_ * size)), QSize(size, size));
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.invisible = board_->State().Paused != 0;
    s.focusable = true;
    s.focused = board_->hasFocus() && board_->Cursor().CursorCell() == QPoint(col_, row_);
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface)
      return static_cast<QAccessibleTableCellInterface*>(this);
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  // QAccessibleTableCellInterface
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return col_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  // QAccessibleActionInterface
  QStringList actionNames() const override { return Actions(); }
  QString localizedActionName(const QString& name) const override {
    switch (Actions().indexOf(name)) {
      case 0:
        return BoardText::tr("uncover");
      case 1:
        return BoardText::tr("mark");
      case 2:
        return BoardText::tr("chord");
      default:
        return {};
    }
  }
  QString localizedActionDescription(const QString& name) const override {
    switch (Actions().indexOf(name)) {
      case 0:
        return BoardText::tr("Uncovers the cell");
      case 1:
        return BoardText::tr("Marks or unmarks the cell");
      case 2:
        return BoardText::tr("Uncovers the neighbours of a number whose mines are all marked");
      default:
        return {};
    }
  }
  void doAction(const QString& name) override {
    const int move = Actions().indexOf(name);
    if (isValid() && move >= 0)
      board_->Cursor().MoveAt(static_cast<BoardCursor::Move>(move), col_, row_);
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    static const QStringList keys{QStringLiteral("Space"), QStringLiteral("F"),
                                  QStringLiteral("D")};
    const int move = Actions().indexOf(name);
    return move >= 0 ? QStringList{keys[move]} : QStringList{};
  }

 private:
  QPointer<BoardWidget> board_;
  int col_;
  int row_;
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
  if (auto* board = qobject_cast<BoardWidget*>(object)) return new BoardAccessible(board);
  return nullptr;
}

}  // namespace

void InstallBoardAccessibility() {
  QAccessible::installFactory(BoardFactory);  // Qt keeps each factory once
}

QString CellName(int code) {
  switch (code) {
    case brelvox::cellCovered:
      return BoardText::tr("covered");
    case brelvox::cellMarked:
      return BoardText::tr("marked");
    case brelvox::cellMine:
      return BoardText::tr("mine");
    case brelvox::cellWrongMark:
      return BoardText::tr("wrong mark");
    case 0:
      return BoardText::tr("empty");
    default:
      return QString::number(code);
  }
}

std::uint8_t ShownCode(const GameState& state, int col, int row) {
  return state.board.at(state.GameOver ? brelvox::ContentLayer : brelvox::ShownLayer, col, row);
}

// ---- The board ----

BoardAccessible::BoardAccessible(BoardWidget* board)
    : QAccessibleWidget(board, QAccessible::Table) {}

BoardAccessible::~BoardAccessible() {
  for (QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
}

BoardWidget* BoardAccessible::Board() const {
  return static_cast<BoardWidget*>(widget());
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

int BoardAccessible::columnCount() const {
  return Board()->State().Cols;
}

int BoardAccessible::rowCount() const {
  return Board()->State().Rows;
}

int BoardAccessible::childCount() const {
  return Board()->State().Paused ? 0 : columnCount() * rowCount();  // the board is hidden
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
  if (Board()->State().Paused || !Board()->State().InArea(column, row)) return nullptr;
  const int key = column + row * brelvox::kStride;
  auto found = cells_.constFind(key);
  if (found != cells_.constEnd()) return QAccessible::accessibleInterface(*found);
  auto* cell = new CellAccessible(Board(), column, row);
  cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
  return cell;
}

QAccessibleInterface* BoardAccessible::child(int index) const {
  const int cols = columnCount();
  if (index < 0 || index >= childCount()) return nullptr;
  return cellAt(index / cols, index % cols);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
  auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
  if (!cell || child->parent() != this) return -1;
  return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
  const int size = Board()->State().CellSize;
  if (size <= 0) return nullptr;
  const QPoint at = Board()->mapFromGlobal(QPoint(x, y));
  if (at.x() < 0 || at.y() < 0) return nullptr;
  return cellAt(at.y() / size, at.x() / size);
}

QAccessibleInterface* BoardAccessible::focusChild() const {
  const auto cell = Board()->Cursor().CursorCell();
  return cell ? cellAt(cell->y(), cell->x()) : nullptr;
}

}  // namespace brelvox::ui
