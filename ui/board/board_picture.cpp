// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <QtMath>

#include "game/board.h"

namespace brelvox::ui {

namespace {

const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kRaisedFace(0xC0, 0xC0, 0xC0);
const QColor kFlatFace(0xD0, 0xD0, 0xD0);

// Text colours of the counts 1 to 8 (index 0 unused).
const QColor kNumberColours[9] = {QColor(),
                                  QColor(0x00, 0x00, 0x80),
                                  QColor(0xFF, 0x00, 0x00),
                                  QColor(0x00, 0x80, 0x00),
                                  QColor(0xFF, 0xFF, 0x00),
                                  QColor(0x00, 0x80, 0x80),
                                  QColor(0x80, 0x00, 0x80),
                                  QColor(0xFF, 0x00, 0xFF),
                                  QColor(0xFF, 0xFF, 0xFF)};

}  // namespace

// Where the board's logical pixels lie on the picture's device pixels. A
// cell's first and last column (and row) hold its frame lines, which are
// equally wide at every ratio; its face takes the device pixels between.
class BoardPicture::CellPixels {
 public:
  CellPixels(QPainter& painter, int cellSize)
      : painter_(painter),
        pixels_(painter),
        size_(qMax(cellSize, 1)),
        line_(sharp::LineWidth(pixels_.Ratio())) {}

  // A horizontal or vertical line from (x1, y1) to (x2, y2) that sets the
  // start point but not the end point.
  void Line(int x1, int y1, int x2, int y2, const QColor& color) const {
    if (y1 == y2 && x1 != x2) Fill(qMin(x1, x2 + 1), y1, qMax(x1, x2 - 1), y1, color);
    if (x1 == x2 && y1 != y2) Fill(x1, qMin(y1, y2 + 1), x1, qMax(y1, y2 - 1), color);
  }
  // A filled rectangle covering columns left..right-1 and rows top..bottom-1.
  void FillRect(int left, int top, int right, int bottom, const QColor& color) const {
    if (right > left && bottom > top) Fill(left, top, right - 1, bottom - 1, color);
  }
  // The device rectangle of the logical pixels `logical`.
  QRect Device(const QRect& logical) const {
    const int left = Start(logical.left()), top = Start(logical.top());
    return QRect(left, top, End(logical.right()) - left, End(logical.bottom()) - top);
  }
  const sharp::DevicePixels& Pixels() const { return pixels_; }

 private:
  // Columns (or rows) left..right inclusive.
  void Fill(int left, int top, int right, int bottom, const QColor& color) const {
    pixels_.Fill(painter_, Device(QRect(QPoint(left, top), QPoint(right, bottom))), color);
  }
  int Edge(int logical) const { return pixels_.X(logical); }  // the origin is (0, 0)
  int Start(int c) const {
    const int at = ((c % size_) + size_) % size_, first = c - at;
    if (at == 0) return Edge(first);
    if (at == size_ - 1) return Edge(first + size_) - line_;
    return qMax(Edge(c), Edge(first) + line_);
  }
  int End(int c) const {
    const int at = ((c % size_) + size_) % size_, first = c - at;
    if (at == size_ - 1) return Edge(first + size_);
    if (at == 0) return Edge(first) + line_;
    return qMin(Edge(c + 1), Edge(first + size_) - line_);
  }

  QPainter& painter_;
  sharp::DevicePixels pixels_;
  int size_;
  int line_;
};

namespace {

quint32 Key(int col, int row) {
  return (static_cast<quint32>(col) << 16) | static_cast<quint16>(row);
}

}  // namespace

BoardPicture::BoardPicture() : font_(QStringLiteral("Times New Roman")) {
  const char* names[6] = {"BMP0_0", "BMP1_0", "BMP2_0", "BMP0_1", "BMP1_1", "BMP2_1"};
  // Cell pictures are copied opaquely, their own background included.
  for (int i = 0; i < 6; ++i) {
    pictures_[i] = sharp::LoadAsset(QLatin1String(names[i]), 1, QImage::Format_RGB32);
    finer_[i] = sharp::ScaledAsset(QLatin1String(names[i]), QImage::Format_RGB32);
  }
  font_.setStyle(QFont::StyleNormal);
  font_.setWeight(QFont::Normal);
  mark_ = &pictures_[0];
  mine_ = &pictures_[1];
  wrongMark_ = &pictures_[2];
}

void BoardPicture::Resize(int width, int height) {
  width = qMax(width, 0);
  height = qMax(height, 0);
  image_ = QImage(qCeil(width * ratio_), qCeil(height * ratio_), QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio_);
  image_.fill(kBlack);
  underCovered_.clear();
  cells_.clear();
  coveredCols_ = coveredRows_ = -1;
}

void BoardPicture::SetDevicePixelRatio(qreal ratio) {
  if (ratio <= 0 || qFuzzyCompare(ratio, ratio_)) return;
  const QSize logical = image_.deviceIndependentSize().toSize();
  const auto under = underCovered_;
  const auto cells = cells_;
  const int cols = coveredCols_, rows = coveredRows_;
  ratio_ = ratio;
  if (image_.isNull()) return;
  image_ = QImage(qCeil(logical.width() * ratio_), qCeil(logical.height() * ratio_),
                  QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio_);
  image_.fill(kBlack);
  auto paintCells = [this](const QHash<quint32, std::uint8_t>& drawn) {
    for (auto it = drawn.begin(); it != drawn.end(); ++it)
      Paint(it.value(), static_cast<int>(it.key() >> 16), static_cast<int>(it.key() & 0xFFFF));
  };
  paintCells(under);
  if (cols >= 0) PaintCoveredBoard(cols, rows);
  paintCells(cells);
}

const QImage& BoardPicture::Finer(const QImage* picture) {
  const auto index = static_cast<std::size_t>(picture - pictures_.data());
  const QImage& finer = finer_[index].For(ratio_);
  return finer.isNull() ? *picture : finer;
}

void BoardPicture::FitNumberFont(int cellSize) {
  cellSize_ = cellSize;
  fontFitted_ = false;
  const int set = cellSize < kLargePicturesFrom ? 0 : 3;
  mark_ = &pictures_[set + 0];
  mine_ = &pictures_[set + 1];
  wrongMark_ = &pictures_[set + 2];
}

const QFont& BoardPicture::NumberFont() const {
  if (fontFitted_) return font_;
  fontFitted_ = true;
  // Measured on a picture of the board's resolution even while none exists.
  const QImage probe(1, 1, QImage::Format_RGB32);
  const QPaintDevice* device = image_.isNull() ? &probe : &image_;
  int size = 40;
  do {
    --size;
    font_.setPointSize(size);
  } while (QFontMetrics(font_, device).size(0, QStringLiteral("1")).height() >= cellSize_ - 2 &&
           size > 1);
  return font_;
}

QRect BoardPicture::DrawCell(std::uint8_t code, int col, int row) {
  const int s = cellSize_;
  const QRect cell(col * s, row * s, s, s);
  if (s <= 0 || image_.isNull()) return cell;
  cells_.insert(Key(col, row), code);
  Paint(code, col, row);
  return cell;
}

void BoardPicture::Paint(std::uint8_t code, int col, int row) {
  const int s = cellSize_;
  const int x = col * s, y = row * s;
  QPainter painter(&image_);
  const CellPixels pixels(painter, s);
  using brelvox::cellCovered, brelvox::cellMarked, brelvox::cellMine, brelvox::cellWrongMark;
  const bool raised = code == cellCovered || code == cellMarked || code == cellWrongMark;

  // Dark edge: right column, then the bottom row.
  const QColor& dark = raised ? kBlack : kGrey;
  pixels.Line(x + s - 1, y, x + s - 1, y + s - 1, dark);
  pixels.Line(x + s - 1, y + s - 1, x, y + s - 1, dark);
  // Light edge: left column, then the top row.
  const QColor& light = raised ? kWhite : kGrey;
  pixels.Line(x, y + s - 1, x, y, light);
  pixels.Line(x, y, x + s - 1, y, light);
  // Face.
  const QColor& face = raised ? kRaisedFace : kFlatFace;
  pixels.FillRect(x + 1, y + 1, x + s - 1, y + s - 1, face);

  const QImage* picture = nullptr;
  if (code == cellMarked) picture = mark_;
  if (code == cellMine) picture = mine_;
  if (code == cellWrongMark) picture = wrongMark_;
  if (picture) {
    if (!picture->isNull()) {
      const QPoint at(x + s / 2 - picture->width() / 2, y + s / 2 - picture->height() / 2);
      PaintPicture(painter, pixels, *picture, at);
    }
  } else if (brelvox::IsNumber(code) && code != 0) {
    // Never onto the frame, whatever the rounding at a fractional ratio.
    if (ratio_ != 1)
      painter.setClipRect(
          pixels.Pixels().Logical(pixels.Device(QRect(x + 1, y + 1, s - 2, s - 2))));
    PaintNumber(painter, code, x, y, face);
  }
}

void BoardPicture::PaintPicture(QPainter& painter, const CellPixels& pixels, const QImage& picture,
                                QPoint at) {
  const QRect logical(QPoint(0, 0), picture.size());
  if (ratio_ == 1) {
    painter.drawImage(at, picture);
    return;
  }
  const QImage& finer = Finer(&picture);
  if (qFuzzyCompare(finer.devicePixelRatio(), ratio_)) {
    sharp::Draw(painter, logical.translated(at), finer, logical);
    return;
  }
  // The picture's own pixels, each repeated or left out whole.
  const QRect device = pixels.Pixels().Covered(logical.translated(at));
  QImage resampled = sharp::Resampled(finer, device.size());
  resampled.setDevicePixelRatio(1);
  pixels.Pixels().Blit(painter, device.topLeft(), resampled);
}

void BoardPicture::PaintNumber(QPainter& painter, std::uint8_t code, int x, int y,
                               const QColor& face) {
  const int s = cellSize_;
  const QString text = QString::number(code);
  const QFont& font = NumberFont();
  painter.setFont(font);
  const QFontMetrics metrics(font, &image_);
  const QSize size = metrics.size(0, text);
  const int left = x + s / 2 - size.width() / 2;
  const int top = y + s / 2 - size.height() / 2;
  // Opaque text: its box is filled with the face colour first.
  painter.fillRect(QRect(left, top, size.width(), size.height()), face);
  painter.setPen(kNumberColours[code]);
  painter.drawText(left, top + metrics.ascent(), text);
}

void BoardPicture::DrawCoveredBoard(int cols, int rows) {
  if (cellSize_ <= 0 || image_.isNull()) return;
  for (auto it = cells_.begin(); it != cells_.end(); ++it)
    underCovered_.insert(it.key(), it.value());
  cells_.clear();
  coveredCols_ = cols;
  coveredRows_ = rows;
  PaintCoveredBoard(cols, rows);
}

void BoardPicture::PaintCoveredBoard(int cols, int rows) {
  const int s = cellSize_;
  const int w = cols * s, h = rows * s;
  QPainter painter(&image_);
  const CellPixels pixels(painter, s);
  pixels.FillRect(0, 0, w - 1, h - 1, kRaisedFace);
  for (int row = 0; row <= rows; ++row) pixels.Line(0, row * s, w - 1, row * s, kWhite);
  for (int row = 0; row < rows; ++row)
    pixels.Line(0, row * s + s - 1, w - 1, row * s + s - 1, kBlack);
  for (int col = 0; col < cols; ++col)
    pixels.Line(col * s + s - 1, 0, col * s + s - 1, h - 1, kBlack);
  for (int col = 0; col < cols; ++col) pixels.Line(col * s, 0, col * s, h - 1, kWhite);
}

}  // namespace brelvox::ui
