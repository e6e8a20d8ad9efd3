// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dialog_place.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>

#include "app/window_geometry.h"

namespace brelvox::ui {

QPoint DialogPlace(const QRect& mainFrame, int toolbarBottom, const QSize& dialogFrame,
                   const QRect& screen) {
  QPoint at(mainFrame.center().x() - (dialogFrame.width() - 1) / 2, toolbarBottom);
  // The screen's edges win: a dialog is never partly out of sight.
  at.setX(qMax(screen.left(), qMin(at.x(), screen.right() + 1 - dialogFrame.width())));
  at.setY(qMax(screen.top(), qMin(at.y(), screen.bottom() + 1 - dialogFrame.height())));
  return at;
}

DialogPlacer::DialogPlacer(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {
  QApplication::instance()->installEventFilter(this);
}

bool DialogPlacer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show) return false;
  auto* dialog = qobject_cast<QDialog*>(watched);
  if (dialog == nullptr || !dialog->isWindow() || dialog->parentWidget() == nullptr ||
      mainWindow_->screen() == nullptr)
    return false;
  // The dialog's frame is as much larger than its inside as the main
  // window's is; the title bar is above the dialog's inside.
  const QRect frame = mainWindow_->frameGeometry();
  const QRect inside = mainWindow_->geometry();
  const QMargins decoration(inside.left() - frame.left(), inside.top() - frame.top(),
                            frame.right() - inside.right(), frame.bottom() - inside.bottom());
  const QSize dialogFrame = dialog->size().grownBy(decoration);
  const int toolbarBottom = inside.top() + brelvox::ToolbarHeight;
  const QPoint at =
      DialogPlace(frame, toolbarBottom, dialogFrame, mainWindow_->screen()->availableGeometry());
  dialog->move(at);  // move() places the frame's corner
  return false;
}

}  // namespace brelvox::ui
