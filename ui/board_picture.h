// The off-screen picture of the board: every cell is drawn here first, and
// the main window shows this picture below its toolbar.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>

class BoardPicture {
 public:
  // Loads the six cell pictures (mark, mine, wrong mark; small and large).
  BoardPicture();

  // A new picture of this size; its content is undefined until drawn.
  void Resize(int width, int height);
  // Chooses the number font size and the small or large cell pictures.
  void FitNumberFont(int cellSize);
  // Draws one cell for a cell code; returns its rectangle in the picture.
  QRect DrawCell(std::uint8_t code, int col, int row);
  // Paints the whole picture as an all-covered board of cols x rows cells.
  void DrawCoveredBoard(int cols, int rows);

  const QImage& Image() const { return image_; }
  int CellSize() const { return cellSize_; }
  const QFont& NumberFont() const { return font_; }
  const QImage& MarkPicture() const { return *mark_; }
  const QImage& MinePicture() const { return *mine_; }
  const QImage& WrongMarkPicture() const { return *wrongMark_; }

  // Smallest cell size that takes the large pictures.
  static constexpr int kLargePicturesFrom = 35;

 private:
  QImage image_;
  QFont font_;
  int cellSize_ = 0;
  // BMP0_0, BMP1_0, BMP2_0 (small), BMP0_1, BMP1_1, BMP2_1 (large).
  std::array<QImage, 6> pictures_;
  const QImage* mark_;
  const QImage* mine_;
  const QImage* wrongMark_;
};
