// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/spoken_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace brelvox::ui {

namespace {

const QLatin1String kLineName("SpokenNoticeLine");

// A screen reader speaks a notification when it appears, and only then: a
// changed name or text on an object without the focus goes unheard. Inside
// a status bar it says the text alone, without the word "notification".
class NoticeLineAccessible : public QAccessibleWidget {
 public:
  explicit NoticeLineAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::Notification) {}

  // The widget stays hidden, yet the notice counts as showing while it has
  // a text: a reader drops the appearance of an object that is not there.
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = widget()->accessibleName().isEmpty();
    return s;
  }
};

QAccessibleInterface* NoticeFactory(const QString&, QObject* object) {
  if (qobject_cast<SpokenNotice*>(object))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
  if (object && object->objectName() == kLineName && qobject_cast<SpokenNotice*>(object->parent()))
    return new NoticeLineAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SpokenNotice"));
  QAccessible::installFactory(NoticeFactory);  // Qt keeps each factory once
  line_ = new QWidget(this);
  line_->setObjectName(kLineName);
  hide();
}

QString SpokenNotice::LastSaid() const {
  return line_->accessibleName();
}

void SpokenNotice::Say(const QString& text) {
  if (text.isEmpty()) return;
  line_->setAccessibleName(text);
  if (!QAccessible::isActive()) return;
  QAccessibleEvent shown(line_, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace brelvox::ui
