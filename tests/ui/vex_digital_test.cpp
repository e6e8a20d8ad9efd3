// SPDX-License-Identifier: GPL-3.0-or-later
// The digit display: where glyphs land, what is cut off, insets and bevels,
// automatic height, formatting, and repaints only on a changed value.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "widgets/vex_digital.h"

using namespace brelvox::ui;

namespace {

// A strip whose glyph i is filled with a colour of its own.
QRgb GlyphColour(int i) {
  return qRgb(10 + 20 * i, 200 - 15 * i, 77) & 0xFFFFFF;
}

QImage Strip(int glyphWidth, int height, int glyphs = 10) {
  QImage strip(glyphWidth * glyphs, height, QImage::Format_RGB32);
  QPainter painter(&strip);
  for (int i = 0; i < glyphs; ++i)
    painter.fillRect(i * glyphWidth, 0, glyphWidth, height, QColor(GlyphColour(i)));
  return strip;
}

QRgb At(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0xFFFFFF;
}

// The clock displays: 41 x 25, no bevels, 16-pixel glyphs, two digits.
void MakeClock(TVexDigital& digits) {
  digits.setGeometry(0, 0, 41, 25);
  digits.SetBevelOuter(Bevel::None);
  digits.SetNumbers(Strip(16, 21));
  digits.SetNumberWidth(16);
  digits.SetAutoSize(false);
  digits.SetFormatWidth(2);
}

// The hint counter: 27 x 33, lowered inner bevel only, 20-pixel glyphs.
void MakeHintCounter(TVexDigital& digits) {
  digits.setGeometry(0, 0, 27, 33);
  digits.SetBevelInner(Bevel::Lowered);
  digits.SetBevelOuter(Bevel::None);
  digits.SetNumbers(Strip(20, 27));
  digits.SetNumberWidth(20);
}

QImage Render(TVexDigital& digits) {
  return digits.grab().toImage();
}

TEST(VexDigitalTest, TwoDigitClockIsRightAligned) {
  TVexDigital digits;
  MakeClock(digits);
  EXPECT_EQ(digits.DisplayText(), QStringLiteral("00"));
  digits.SetValue(7);
  EXPECT_EQ(digits.DisplayText(), QStringLiteral("07"));
  const QImage image = Render(digits);
  EXPECT_EQ(At(image, 23, 2), GlyphColour(7));
  EXPECT_EQ(At(image, 38, 22), GlyphColour(7));
  EXPECT_EQ(At(image, 7, 2), GlyphColour(0));
  EXPECT_EQ(At(image, 22, 22), GlyphColour(0));
  // Margin and background around the glyphs are black.
  EXPECT_EQ(At(image, 6, 10), 0u);
  EXPECT_EQ(At(image, 39, 10), 0u);
  EXPECT_EQ(At(image, 20, 1), 0u);
  EXPECT_EQ(At(image, 20, 23), 0u);
}

TEST(VexDigitalTest, DigitsThatDoNotFitAreCutOnTheLeft) {
  TVexDigital digits;
  MakeClock(digits);
  digits.SetValue(123);
  EXPECT_EQ(digits.DisplayText(), QStringLiteral("123"));
  const QImage image = Render(digits);
  EXPECT_EQ(At(image, 23, 5), GlyphColour(3));
  EXPECT_EQ(At(image, 7, 5), GlyphColour(2));
  for (int x = 0; x < 7; ++x) EXPECT_EQ(At(image, x, 5), 0u) << x;
}

TEST(VexDigitalTest, HintCounterBevelAndGlyph) {
  TVexDigital digits;
  MakeHintCounter(digits);
  EXPECT_EQ(digits.height(), 33);  // 27 + 2 * (1 + 2)
  digits.SetValue(4);
  QImage image = Render(digits);
  EXPECT_EQ(At(image, 4, 3), GlyphColour(4));
  EXPECT_EQ(At(image, 23, 29), GlyphColour(4));
  EXPECT_EQ(At(image, 3, 10), 0u);
  EXPECT_EQ(At(image, 24, 10), 0u);
  // Lowered bevel: shadow at the top and left, highlight at the bottom and right.
  EXPECT_EQ(At(image, 0, 0), 0x808080u);
  EXPECT_EQ(At(image, 0, 20), 0x808080u);
  EXPECT_EQ(At(image, 26, 0), 0xFFFFFFu);
  EXPECT_EQ(At(image, 10, 32), 0xFFFFFFu);

  // One pixel narrower, the glyph's left edge would fall on the inset: not drawn.
  digits.resize(26, 33);
  image = Render(digits);
  for (int x = 3; x < 23; ++x) EXPECT_EQ(At(image, x, 10), 0u) << x;
}

TEST(VexDigitalTest, SameValueTwiceRepaintsOnce) {
  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++paints;
      return false;
    }
  } counter;
  TVexDigital digits;
  MakeClock(digits);
  digits.show();
  QApplication::processEvents();
  digits.installEventFilter(&counter);

  digits.SetValue(5);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 1);
  digits.SetValue(5);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 1);
  digits.SetValue(6);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 2);
}

TEST(VexDigitalTest, FirstValueIsAlwaysFormatted) {
  TVexDigital digits;
  EXPECT_EQ(digits.DisplayText(), QStringLiteral("0"));
  digits.SetFormatWidth(3);  // re-formats the current value at once
  EXPECT_EQ(digits.DisplayText(), QStringLiteral("000"));
  TVexDigital fresh;
  fresh.SetValue(0);
  EXPECT_EQ(fresh.DisplayText(), QStringLiteral("0"));
  fresh.SetFormatWidth(2);
  fresh.SetValue(-5);
  EXPECT_EQ(fresh.DisplayText(), QStringLiteral("-05"));
}

TEST(VexDigitalTest, MinusUsesTheEleventhGlyph) {
  TVexDigital digits;
  digits.setGeometry(0, 0, 41, 25);
  digits.SetBevelOuter(Bevel::None);
  digits.SetNumbers(Strip(16, 21, 11));
  digits.SetNumberWidth(16);
  digits.SetAutoSize(false);
  digits.SetValue(-3);
  const QImage image = Render(digits);
  EXPECT_EQ(At(image, 23, 5), GlyphColour(3));
  EXPECT_EQ(At(image, 7, 5), GlyphColour(10));
}

TEST(VexDigitalTest, AutoSizeAndStripWidth) {
  TVexDigital digits;
  digits.show();  // hidden widgets hear of a resize only when shown
  digits.SetBevelOuter(Bevel::None);
  digits.SetNumbers(Strip(16, 21).copy(0, 0, 165, 21));
  EXPECT_EQ(digits.NumberWidth(), 16);
  EXPECT_EQ(digits.height(), 25);  // 21 + 2 * margin
  digits.resize(41, 60);
  EXPECT_EQ(digits.height(), 25);
  digits.SetAutoSize(false);
  digits.resize(41, 60);
  EXPECT_EQ(digits.height(), 60);
}

}  // namespace
