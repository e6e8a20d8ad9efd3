// SPDX-License-Identifier: GPL-3.0-or-later
// Pixels of the board picture: cell frames and faces, the cell pictures and
// numbers, the number font, and the all-covered board.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QtMath>
#include <cstdlib>

#include "board/board_picture.h"

using namespace brelvox::ui;

namespace {

// Colours without their alpha byte, as Pixel() reads them.
const QRgb kWhite = 0xFFFFFF;
const QRgb kBlack = 0x000000;
const QRgb kGrey = 0x808080;
const QRgb kRaisedFace = 0xC0C0C0;
const QRgb kFlatFace = 0xD0D0D0;

int Distance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

bool Raised(int code) {
  return code == 9 || code == 10 || code == 12;
}

QRgb Pixel(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0xFFFFFF;
}

// Draws one cell at (1, 1) of a 3 x 3 picture.
QImage DrawOne(BoardPicture& picture, int code, int size) {
  picture.FitNumberFont(size);
  picture.Resize(3 * size, 3 * size);
  picture.DrawCell(static_cast<std::uint8_t>(code), 1, 1);
  return picture.Image();
}

QImage Asset(const char* name) {
  return QImage(QStringLiteral(":/assets/%1.png").arg(QLatin1String(name)))
      .convertToFormat(QImage::Format_RGB32);
}

class CellTest : public ::testing::TestWithParam<int> {};

TEST_P(CellTest, FrameFaceAndNothingOutsideTheCell) {
  const int size = GetParam();
  for (int code = 0; code <= 12; ++code) {
    SCOPED_TRACE(testing::Message() << "code " << code << " size " << size);
    BoardPicture picture;
    const QImage image = DrawOne(picture, code, size);
    const int x = size, y = size, last = size - 1;
    const QRgb light = Raised(code) ? kWhite : kGrey;
    const QRgb dark = Raised(code) ? kBlack : kGrey;
    const QRgb face = Raised(code) ? kRaisedFace : kFlatFace;

    // Left column, bottom-left pixel included; top row without its right end.
    for (int i = 0; i < size; ++i) ASSERT_EQ(Pixel(image, x, y + i), light) << "left " << i;
    for (int i = 0; i < last; ++i) ASSERT_EQ(Pixel(image, x + i, y), light) << "top " << i;
    // Right column, top-right pixel included; bottom row without its left end.
    for (int i = 0; i < size; ++i) ASSERT_EQ(Pixel(image, x + last, y + i), dark) << "right " << i;
    for (int i = 1; i < size; ++i) ASSERT_EQ(Pixel(image, x + i, y + last), dark) << "bottom " << i;
    // The face reaches every pixel inside the frame; its corners stay free of
    // pictures and numbers.
    EXPECT_EQ(Pixel(image, x + 1, y + 1), face);
    if (code <= 9) {
      EXPECT_EQ(Pixel(image, x + last - 1, y + last - 1), face);
      EXPECT_EQ(Pixel(image, x + 1, y + last - 1), face);
      EXPECT_EQ(Pixel(image, x + last - 1, y + 1), face);
    }
    if (code == 0 || code == 9) {
      for (int py = 1; py < last; ++py)
        for (int px = 1; px < last; ++px) ASSERT_EQ(Pixel(image, x + px, y + py), face);
    }
    // The neighbours keep the fresh picture's black.
    for (int i = 0; i < 3 * size; ++i) {
      ASSERT_EQ(Pixel(image, i, y - 1), kBlack);
      ASSERT_EQ(Pixel(image, i, y + size), kBlack);
      ASSERT_EQ(Pixel(image, x - 1, i), kBlack);
      ASSERT_EQ(Pixel(image, x + size, i), kBlack);
    }
  }
}

TEST_P(CellTest, PicturesAreCentredOpaqueAndInsideTheFace) {
  const int size = GetParam();
  const bool large = size >= 35;
  struct Case {
    int code;
    const char* small;
    const char* large;
  };
  for (const Case& c :
       {Case{10, "BMP0_0", "BMP0_1"}, Case{11, "BMP1_0", "BMP1_1"}, Case{12, "BMP2_0", "BMP2_1"}}) {
    SCOPED_TRACE(testing::Message() << "code " << c.code << " size " << size);
    BoardPicture picture;
    const QImage image = DrawOne(picture, c.code, size);
    const QImage expected = Asset(large ? c.large : c.small);
    ASSERT_FALSE(expected.isNull());
    const int left = size + size / 2 - expected.width() / 2;
    const int top = size + size / 2 - expected.height() / 2;
    EXPECT_GE(left, size + 1);
    EXPECT_GE(top, size + 1);
    EXPECT_LE(left + expected.width(), 2 * size - 1);
    EXPECT_LE(top + expected.height(), 2 * size - 1);
    for (int py = 0; py < expected.height(); ++py)
      for (int px = 0; px < expected.width(); ++px)
        ASSERT_EQ(Pixel(image, left + px, top + py), expected.pixel(px, py) & 0xFFFFFF)
            << "at " << px << "," << py;
    // Left of the picture the face shows again.
    const QRgb face = Raised(c.code) ? kRaisedFace : kFlatFace;
    EXPECT_EQ(Pixel(image, left - 1, top + expected.height() / 2), face);
  }
}

TEST_P(CellTest, NumbersInTheirColourWithoutABox) {
  const int size = GetParam();
  const QRgb colours[9] = {0,        0x000080, 0xFF0000, 0x008000, 0xFFFF00,
                           0x008080, 0x800080, 0xFF00FF, 0xFFFFFF};
  for (int code = 1; code <= 8; ++code) {
    SCOPED_TRACE(testing::Message() << "code " << code << " size " << size);
    BoardPicture picture;
    const QImage image = DrawOne(picture, code, size);
    // Ink: nearer the number's colour than the face (small digits are all
    // smoothed edge). Everything else must be the face: the text box is opaque
    // in the face colour, so nothing but the digit shows.
    int ink = 0, blended = 0;
    for (int py = size + 1; py < 2 * size - 1; ++py)
      for (int px = size + 1; px < 2 * size - 1; ++px) {
        const QRgb p = Pixel(image, px, py);
        if (p == kFlatFace) continue;
        if (Distance(p, colours[code]) < Distance(p, kFlatFace))
          ++ink;
        else
          ++blended;
      }
    EXPECT_GT(ink, 0);
    EXPECT_LT(blended, ink * 3 + 40);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, CellTest, ::testing::Values(18, 34, 35, 75));

TEST(NumberFontTest, LargestSizeWhoseOneIsLowerThanTheFace) {
  for (int size : {18, 21, 25, 31, 34, 35, 64, 75}) {
    SCOPED_TRACE(size);
    BoardPicture picture;
    picture.Resize(size, size);
    picture.FitNumberFont(size);
    QFont font = picture.NumberFont();
    const int points = font.pointSize();
    EXPECT_LE(points, 39);
    EXPECT_LT(QFontMetrics(font, &picture.Image()).size(0, QStringLiteral("1")).height(), size - 2);
    if (points < 39) {
      font.setPointSize(points + 1);
      EXPECT_GE(QFontMetrics(font, &picture.Image()).size(0, QStringLiteral("1")).height(),
                size - 2);
    }
    EXPECT_EQ(picture.NumberFont().family(), QStringLiteral("Times New Roman"));
  }
  BoardPicture tiny;
  tiny.FitNumberFont(3);
  EXPECT_EQ(tiny.NumberFont().pointSize(), 1);
}

// Whether the cell at (1, 1) shows the picture `name` in its middle.
bool ShowsAsset(const QImage& image, int size, const char* name) {
  const QImage asset = Asset(name);
  const QPoint at(size + size / 2 - asset.width() / 2, size + size / 2 - asset.height() / 2);
  return image.copy(QRect(at, asset.size())).convertToFormat(QImage::Format_RGB32) == asset;
}

TEST(NumberFontTest, PictureSetSwitchesAt35) {
  BoardPicture picture;
  EXPECT_TRUE(ShowsAsset(DrawOne(picture, 11, 34), 34, "BMP1_0"));
  EXPECT_TRUE(ShowsAsset(DrawOne(picture, 10, 34), 34, "BMP0_0"));
  EXPECT_TRUE(ShowsAsset(DrawOne(picture, 11, 35), 35, "BMP1_1"));
  EXPECT_TRUE(ShowsAsset(DrawOne(picture, 12, 35), 35, "BMP2_1"));
  EXPECT_TRUE(ShowsAsset(DrawOne(picture, 12, 34), 34, "BMP2_0"));
}

TEST(CoveredBoardTest, EqualsCoveredCellsButForTwoPixels) {
  const int size = 18, cols = 4, rows = 3;
  BoardPicture covered, cells;
  covered.FitNumberFont(size);
  cells.FitNumberFont(size);
  covered.Resize(cols * size, rows * size);
  cells.Resize(cols * size, rows * size);
  // A flat cell first in the bottom-right corner: the covered board leaves
  // the picture's last pixel as it was.
  covered.DrawCell(0, cols - 1, rows - 1);
  covered.DrawCoveredBoard(cols, rows);
  for (int col = 0; col < cols; ++col)
    for (int row = 0; row < rows; ++row) cells.DrawCell(9, col, row);

  const QImage& a = covered.Image();
  const QImage& b = cells.Image();
  for (int y = 0; y < rows * size; ++y)
    for (int x = 0; x < cols * size; ++x) {
      const bool lastPixel = x == cols * size - 1 && y == rows * size - 1;
      const bool bottomLeftOfLastRow = y == rows * size - 1 && x % size == 0;
      if (lastPixel)
        ASSERT_EQ(Pixel(a, x, y), kGrey);
      else if (bottomLeftOfLastRow)
        ASSERT_EQ(Pixel(a, x, y), kBlack) << x;
      else
        ASSERT_EQ(Pixel(a, x, y), Pixel(b, x, y)) << x << "," << y;
    }
}

TEST(CoveredBoardTest, NothingHappensWithoutACellSize) {
  BoardPicture picture;
  picture.Resize(10, 10);
  picture.DrawCoveredBoard(1, 1);
  picture.DrawCell(9, 0, 0);
  EXPECT_EQ(Pixel(picture.Image(), 5, 5), kBlack);
}

// A small board with every cell code on it, after a covered board.
void DrawMixedBoard(BoardPicture& picture, int size) {
  picture.FitNumberFont(size);
  picture.Resize(5 * size, 3 * size);
  picture.DrawCell(0, 4, 2);
  picture.DrawCoveredBoard(5, 3);
  for (int code = 0; code <= 12; ++code)
    picture.DrawCell(static_cast<std::uint8_t>(code), code % 5, code / 5);
}

TEST(DevicePixelRatioTest, AnotherRatioDrawsTheSameBoardForItsPixels) {
  for (int size : {18, 35}) {
    BoardPicture original;
    DrawMixedBoard(original, size);
    const QImage at1 = original.Image();
    const int points = original.NumberFont().pointSize();
    for (qreal ratio : {1.5, 2.0, 3.0}) {
      SCOPED_TRACE(testing::Message() << "size " << size << " ratio " << ratio);
      BoardPicture fresh;
      fresh.SetDevicePixelRatio(ratio);
      DrawMixedBoard(fresh, size);
      // The logical geometry and the font stay; the pixels follow the ratio.
      EXPECT_EQ(fresh.Image().deviceIndependentSize().toSize(), at1.size());
      EXPECT_EQ(fresh.Image().width(), qCeil(at1.width() * ratio));
      EXPECT_EQ(fresh.NumberFont().pointSize(), points);
      // Switching a drawn picture to the ratio gives what drawing at it gives,
      // and switching back gives the 1x picture again, pixel for pixel.
      original.SetDevicePixelRatio(ratio);
      EXPECT_EQ(original.Image(), fresh.Image());
      original.SetDevicePixelRatio(1);
      EXPECT_EQ(original.Image(), at1);
    }
  }
}

TEST(DevicePixelRatioTest, LargeWrongMarkShowsFlameAndFuseCapCrossedOut) {
  for (const char* name : {"BMP2_1", "BMP2_1@2x", "BMP2_1@3x"}) {
    SCOPED_TRACE(name);
    const QImage picture = Asset(name);
    ASSERT_FALSE(picture.isNull());
    const int w = picture.width(), h = picture.height();
    // The flame's yellow and the cap's grey and white at the upper right...
    int yellow = 0, cap = 0;
    for (int y = 0; y < h / 2; ++y)
      for (int x = w / 2; x < w; ++x) {
        const QRgb p = Pixel(picture, x, y);
        if (p == 0xFFFF00) ++yellow;
        if (p == kGrey || p == kWhite) ++cap;
      }
    EXPECT_GT(yellow, w * h / 200);
    EXPECT_GT(cap, w * h / 200);
    // ...and the red X from corner to corner over the ball.
    for (const QPoint& at : {QPoint(w / 4, h / 4), QPoint(w / 4, 3 * h / 4),
                             QPoint(3 * w / 4, 3 * h / 4), QPoint(w / 2, h / 2)})
      EXPECT_EQ(Pixel(picture, at.x(), at.y()), 0xFF0000u) << at.x() << "," << at.y();
  }
}

}  // namespace
