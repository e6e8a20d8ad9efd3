// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology sees of a digit display or the clock panel:
// its value as text.
#pragma once

#include <QAccessibleWidget>

class QWidget;

namespace brelvox::ui {

// Makes CounterAccessible the interface of every digit display and clock
// panel. Installing it again changes nothing.
void InstallCounterAccessibility();

class CounterAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit CounterAccessible(QWidget* widget);

  // The text a tool reads for `counter`.
  static QString Text(QWidget* counter);
  // Tells listening tools that the text of `counter` changed from `before`
  // to what it is now: the old text goes, the new one comes in its place.
  static void TextChanged(QWidget* counter, const QString& before);

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

}  // namespace brelvox::ui
