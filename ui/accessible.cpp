// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "board_area.h"
#include "game/board.h"
#include "game/game_state.h"
#include "keyboard_control.h"
#include "vex_digital.h"

namespace {

using brelvox::GameState;

// The board's texts for assistive tools, translated as the board's own.
struct BoardText {
  Q_DECLARE_TR_FUNCTIONS(BoardArea)
};

bool IsClock(const QObject* object) {
  return object->objectName() == QLatin1String("Panel3");
}

// One cell of the board: its row and column, a name for its code, and the
// moves uncover and mark.
class CellAccessible : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
 public:
  CellAccessible(BoardArea* board, int col, int row) : board_(board), col_(col), row_(row) {}

  static QString UncoverAction() { return QStringLiteral("uncover"); }
  static QString MarkAction() { return QStringLiteral("mark"); }

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
    if (!isValid()) return {};
    if (t == QAccessible::Name)
      return CellName(board_->State().board.at(brelvox::ShownLayer, col_, row_));
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
    s.focusable = true;
    const KeyboardControl& keys = board_->Keyboard();
    s.focused = board_->hasFocus() && keys.CursorShown() && keys.CursorCol() == col_ &&
                keys.CursorRow() == row_;
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
  QStringList actionNames() const override { return {UncoverAction(), MarkAction()}; }
  QString localizedActionName(const QString& name) const override {
    return name == UncoverAction() ? BoardText::tr("uncover") : BoardText::tr("mark");
  }
  QString localizedActionDescription(const QString& name) const override {
    return name == UncoverAction() ? BoardText::tr("Uncovers the cell")
                                   : BoardText::tr("Marks or unmarks the cell");
  }
  void doAction(const QString& name) override {
    if (!isValid()) return;
    if (name == UncoverAction())
      board_->Keyboard().MoveAt(KeyboardControl::Move::Uncover, col_, row_);
    else if (name == MarkAction())
      board_->Keyboard().MoveAt(KeyboardControl::Move::Mark, col_, row_);
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    return {name == UncoverAction() ? QStringLiteral("Space") : QStringLiteral("F")};
  }

 private:
  QPointer<BoardArea> board_;
  int col_;
  int row_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* board = qobject_cast<BoardArea*>(object)) return new BoardAccessible(board);
  if (auto* digits = qobject_cast<TVexDigital*>(object)) return new CounterAccessible(digits);
  if (object->isWidgetType() && IsClock(object))
    return new CounterAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Factory);
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

// ---- The board ----

BoardAccessible::BoardAccessible(BoardArea* board) : QAccessibleWidget(board, QAccessible::Table) {}

BoardAccessible::~BoardAccessible() {
  for (QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
}

BoardArea* BoardAccessible::Board() const {
  return static_cast<BoardArea*>(widget());
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
  return columnCount() * rowCount();
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
  if (!Board()->State().InArea(column, row)) return nullptr;
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
  const KeyboardControl& keys = Board()->Keyboard();
  if (!keys.CursorShown()) return nullptr;
  return cellAt(keys.CursorRow(), keys.CursorCol());
}

void BoardAccessible::CellChanged(BoardArea* board, int col, int row) {
  if (!QAccessible::isActive()) return;
  auto* iface = static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board));
  if (!iface) return;
  if (QAccessibleInterface* cell = iface->cellAt(row, col)) {
    QAccessibleEvent event(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void BoardAccessible::BoardChanged(BoardArea* board) {
  if (!QAccessible::isActive()) return;
  QAccessibleTableModelChangeEvent event(board, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&event);
}

void BoardAccessible::FocusChanged(BoardArea* board) {
  if (!QAccessible::isActive()) return;
  auto* iface = static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board));
  if (!iface) return;
  if (QAccessibleInterface* cell = iface->focusChild()) {
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  } else {
    QAccessibleEvent event(board, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

// ---- Counters ----

CounterAccessible::CounterAccessible(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::StaticText) {}

void* CounterAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString CounterAccessible::ValueText() const {
  if (auto* digits = qobject_cast<TVexDigital*>(widget())) return QString::number(digits->Value());
  // The clock: hours, minutes and seconds from its three displays.
  auto part = [this](const char* name) {
    auto* digits = widget()->findChild<TVexDigital*>(QLatin1String(name));
    return digits ? digits->Value() : 0;
  };
  return QStringLiteral("%1:%2:%3")
      .arg(part("DigH"))
      .arg(part("DigM"), 2, 10, QLatin1Char('0'))
      .arg(part("DigS"), 2, 10, QLatin1Char('0'));
}

QString CounterAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return ValueText();
  return QAccessibleWidget::text(t);
}

QString CounterAccessible::text(int startOffset, int endOffset) const {
  const QString value = ValueText();
  if (endOffset < 0 || endOffset > value.size()) endOffset = value.size();
  startOffset = qBound(0, startOffset, endOffset);
  return value.mid(startOffset, endOffset - startOffset);
}

int CounterAccessible::characterCount() const {
  return ValueText().size();
}

QString CounterAccessible::attributes(int, int* start, int* end) const {
  *start = 0;
  *end = characterCount();
  return {};
}

void CounterAccessible::ValueChanged(QWidget* counter) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(counter);
  if (!iface) return;
  QAccessibleValueChangeEvent event(counter, iface->text(QAccessible::Value));
  QAccessible::updateAccessibility(&event);
  QAccessibleTextUpdateEvent text(counter, 0, QString(), iface->text(QAccessible::Value));
  QAccessible::updateAccessibility(&text);
}
