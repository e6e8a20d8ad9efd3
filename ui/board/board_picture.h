// SPDX-License-Identifier: GPL-3.0-or-later
// The off-screen picture of the board: every cell is drawn here first, and
// the main window shows this picture below its toolbar. It is kept at the
// window's device pixel ratio, so numbers and cell pictures are drawn for
// the screen's own pixels; all coordinates here are logical.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>

class QPainter;

#include "widgets/sharp_picture.h"

namespace brelvox::ui {

class BoardPicture {
 public:
  // Loads the six cell pictures (mark, mine, wrong mark; small and large).
  BoardPicture();

  // A new picture of this logical size; its content is undefined until drawn.
  void Resize(int width, int height);
  // Makes the picture for another device pixel ratio: same logical size,
  // every cell drawn again at the new resolution.
  void SetDevicePixelRatio(qreal ratio);
  qreal DevicePixelRatio() const { return ratio_; }
  // Chooses the small or large cell pictures and the number font's size,
  // which is worked out when a number is first drawn.
  void FitNumberFont(int cellSize);
  // Draws one cell for a cell code; returns its rectangle in the picture.
  QRect DrawCell(std::uint8_t code, int col, int row);
  // Paints the whole picture as an all-covered board of cols x rows cells.
  void DrawCoveredBoard(int cols, int rows);

  // The picture in device pixels, its device pixel ratio set.
  const QImage& Image() const { return image_; }
  int CellSize() const { return cellSize_; }
  const QFont& NumberFont() const;

  // Smallest cell size that takes the large pictures.
  static constexpr int kLargePicturesFrom = 35;

 private:
  class CellPixels;
  void Paint(std::uint8_t code, int col, int row);
  void PaintPicture(QPainter& painter, const CellPixels& pixels, const QImage& picture, QPoint at);
  void PaintNumber(QPainter& painter, std::uint8_t code, int x, int y, const QColor& face);
  void PaintCoveredBoard(int cols, int rows);
  // The finer copy of a 1x cell picture, for the current ratio.
  const QImage& Finer(const QImage* picture);

  QImage image_;
  // Sized for cellSize_ once fontFitted_; the first look-up of a font costs
  // more than a window's first frame, so it waits for the first number.
  mutable QFont font_;
  mutable bool fontFitted_ = false;
  int cellSize_ = 0;
  qreal ratio_ = 1;
  // BMP0_0, BMP1_0, BMP2_0 (small), BMP0_1, BMP1_1, BMP2_1 (large).
  std::array<QImage, 6> pictures_;
  std::array<sharp::ScaledAsset, 6> finer_;
  const QImage* mark_;
  const QImage* mine_;
  const QImage* wrongMark_;

  // What the picture holds since it was last resized, so that it can be
  // drawn again at another ratio: the cells drawn before the last covered
  // board (it leaves one pixel of them), that board, and the cells since.
  QHash<quint32, std::uint8_t> underCovered_;
  QHash<quint32, std::uint8_t> cells_;
  int coveredCols_ = -1;
  int coveredRows_ = -1;
};

}  // namespace brelvox::ui
