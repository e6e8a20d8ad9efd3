// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/counter_accessible.h"

#include <QWidget>

#include "widgets/clock_panel.h"
#include "widgets/vex_digital.h"

namespace brelvox::ui {

namespace {

QAccessibleInterface* CounterFactory(const QString&, QObject* object) {
  if (qobject_cast<TVexDigital*>(object) || qobject_cast<ClockPanel*>(object))
    return new CounterAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

void InstallCounterAccessibility() {
  QAccessible::installFactory(CounterFactory);  // Qt keeps each factory once
}

CounterAccessible::CounterAccessible(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::StaticText) {}

void* CounterAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString CounterAccessible::ValueText() const {
  if (auto* clock = qobject_cast<ClockPanel*>(widget())) return clock->TimeText();
  if (auto* digits = qobject_cast<TVexDigital*>(widget())) return QString::number(digits->Value());
  return {};
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

QString CounterAccessible::Text(QWidget* counter) {
  if (!QAccessible::isActive()) return {};
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(counter);
  return iface ? iface->text(QAccessible::Value) : QString();
}

void CounterAccessible::TextChanged(QWidget* counter, const QString& before) {
  if (!QAccessible::isActive()) return;
  const QString now = Text(counter);
  if (now == before) return;
  // A text event only: the counters offer no value interface, and a value
  // event without one is malformed.
  QAccessibleTextUpdateEvent event(counter, 0, before, now);
  QAccessible::updateAccessibility(&event);
}

}  // namespace brelvox::ui
