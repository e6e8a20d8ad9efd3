// SPDX-License-Identifier: GPL-3.0-or-later
// A push button with a 16 x 16 glyph next to its caption. On the toolbar it
// never takes the keyboard focus; in a dialog Tab reaches it, Enter or Space
// presses it, and a dotted frame shows while it has the focus. The glyph
// file holds two images side by side, the normal one and the one shown while
// the button is disabled; the colour of its bottom-left pixel is transparent.
#pragma once

#include <QIcon>
#include <QPushButton>
#include <QString>
#include <QStringList>

namespace brelvox::ui {

class GlyphButton : public QPushButton {
  Q_OBJECT

 public:
  GlyphButton(const QString& glyphName, const QString& caption, QWidget* parent);

  // Lets Tab reach the button (never a click, so the mouse works as before)
  // and Enter press it while it has the focus.
  void TakeTabFocus();

  // The focus frame, in button coordinates.
  QRect FocusFrame() const;

  // The two-state icon made from a glyph picture in the resources; each
  // scale is decoded when a screen first asks for it.
  static QIcon LoadGlyph(const QString& glyphName);

  // Room a caption's ink keeps from the frame on each side, in pixels.
  static constexpr int kCaptionPadding = 3;
  // The width the button needs for its glyph and `caption` with that room.
  int WidthFor(const QString& caption) const;
  // Widens the button about its centre, up to `maxWidth`, when its caption
  // (or one of the others it will show) and glyph do not fit with their
  // room: a translated caption may be longer than the English one.
  void WidenToFitCaption(int maxWidth, const QStringList& otherCaptions = {});

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace brelvox::ui
