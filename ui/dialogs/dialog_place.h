// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's dialogs open: across the middle of the main window,
// their top edge just below its toolbar, so the toolbar and the paused
// game's blinking clock stay in sight; moved in where the screen ends.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace brelvox::ui {

// The top-left corner of a dialog's frame, `dialogFrame` large, for a main
// window whose frame is `mainFrame` and whose toolbar ends at `toolbarBottom`
// (screen coordinates), on a screen whose free area is `screen`.
QPoint DialogPlace(const QRect& mainFrame, int toolbarBottom, const QSize& dialogFrame,
                   const QRect& screen);

// Places every dialog of `mainWindow` (message boxes and prompts included)
// as it is shown. A window system that places windows itself (Wayland) keeps
// its own placement: there the dialogs open where the desktop puts a
// window's dialogs, usually over it.
class DialogPlacer : public QObject {
 public:
  explicit DialogPlacer(QWidget* mainWindow);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* mainWindow_;
};

}  // namespace brelvox::ui
