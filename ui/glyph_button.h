// A push button with a 16 x 16 glyph next to its caption that never takes
// the keyboard focus. The glyph file holds two images side by side, the
// normal one and the one shown while the button is disabled; the colour of
// its bottom-left pixel is transparent.
#pragma once

#include <QIcon>
#include <QPushButton>
#include <QString>

class GlyphButton : public QPushButton {
  Q_OBJECT

 public:
  GlyphButton(const QString& glyphName, const QString& caption, QWidget* parent);

  // The two-state icon made from a glyph picture in the resources.
  static QIcon LoadGlyph(const QString& glyphName);
};
