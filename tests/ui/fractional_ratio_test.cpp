// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program on screens of 1.25 and 1.5 device pixels per logical
// one: every line of the board's grid is as wide as every other, and the
// pictures keep their hard edges (no colour that the picture lacks).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QWindow>

#include "board/board_picture.h"
#include "program.h"
#include "widgets/vex_digital.h"

using namespace brelvox::ui;

namespace {

using uitest::Child;
using uitest::Program;

QImage Grab(QWidget* widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QSet<QRgb> Colours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) | 0xFF000000);
  return colours;
}

// The colours of a resource picture at 1x and 2x.
QSet<QRgb> AssetColours(const QString& name) {
  QSet<QRgb> colours;
  for (const QString& file :
       {QStringLiteral(":/assets/%1.png"), QStringLiteral(":/assets/%1@2x.png")})
    colours |= Colours(QImage(file.arg(name)).convertToFormat(QImage::Format_RGB32));
  return colours;
}

// Widths of the runs of `colour` along row `y` (or column `x` when `down`).
QList<int> Runs(const QImage& image, int at, bool down, QRgb colour) {
  QList<int> runs;
  int run = 0;
  const int length = down ? image.height() : image.width();
  for (int i = 0; i <= length; ++i) {
    const bool in =
        i < length && (down ? image.pixel(at, i) : image.pixel(i, at)) == (colour | 0xFF000000);
    if (in) {
      ++run;
    } else if (run > 0) {
      runs << run;
      run = 0;
    }
  }
  return runs;
}

class FractionalRatioTest : public ::testing::TestWithParam<const char*> {
 protected:
  // The standard board at its usual cell size, on the screen named by the
  // parameter.
  void SetUp() override {
    for (QScreen* screen : QGuiApplication::screens())
      if (screen->name() == QLatin1String(GetParam()))
        program_.window.windowHandle()->setScreen(screen);
    QCoreApplication::processEvents();
    program_.New(1);
    ratio_ = program_.window.devicePixelRatioF();
  }
  Program program_;
  qreal ratio_ = 1;
};

TEST_P(FractionalRatioTest, GridLinesAreEquallyWide) {
  ASSERT_EQ(program_.State().CellSize, 31);
  ASSERT_GT(ratio_, 1.2);
  ASSERT_LT(ratio_, 1.6);
  const QImage shown = Grab(&program_.window);
  const QImage board = shown.copy(0, qCeil(brelvox::ToolbarHeight * ratio_), shown.width(),
                                  shown.height() - qCeil(brelvox::ToolbarHeight * ratio_));
  // Across each row and down each column of cells, two pixels inside their
  // frame: a covered cell's white and black lines are one pixel each, and
  // two uncovered neighbours' grey lines two together (one at the edge).
  const int s = program_.State().CellSize;
  int covered = 0;
  for (bool down : {false, true}) {
    const int cells = down ? program_.State().Cols : program_.State().Rows;
    for (int cell = 0; cell < cells; ++cell) {
      const int at = qRound((cell * s + 2) * ratio_);
      for (QRgb colour : {0xFFFFFFu, 0x000000u, 0x808080u}) {
        const QList<int> runs = Runs(board, at, down, colour);
        if (colour == 0xFFFFFFu) covered += runs.size();
        for (int run : runs)
          EXPECT_TRUE(run == 1 || (run == 2 && colour == 0x808080u))
              << run << " pixels of " << std::hex << colour << std::dec
              << (down ? " column " : " row ") << cell;
      }
    }
  }
  EXPECT_GT(covered, 300);
}

TEST_P(FractionalRatioTest, PicturesDigitsAndGlyphsKeepTheirOwnColours) {
  TMainWindow& w = program_.window;
  const int s = program_.State().CellSize;
  w.DrawCell(brelvox::cellMine, 1, 1);
  w.DrawCell(brelvox::cellMarked, 2, 1);
  w.DrawCell(brelvox::cellWrongMark, 3, 1);
  const QImage shown = Grab(&w);
  const char* names[3] = {"BMP1_0", "BMP0_0", "BMP2_0"};
  for (int i = 0; i < 3; ++i) {
    // The inside of the cell's face, away from its frame.
    const QRect face((1 + i) * s + 2, brelvox::ToolbarHeight + s + 2, s - 4, s - 4);
    const QRect device(qCeil(face.x() * ratio_), qCeil(face.y() * ratio_),
                       qFloor(face.width() * ratio_), qFloor(face.height() * ratio_));
    QSet<QRgb> allowed = AssetColours(QString::fromLatin1(names[i]));
    allowed << 0xFFC0C0C0 << 0xFFD0D0D0;
    const QSet<QRgb> seen = Colours(shown.copy(device));
    EXPECT_TRUE((seen - allowed).isEmpty()) << names[i] << " at ratio " << ratio_;
    EXPECT_GT(seen.size(), 2) << names[i];
  }

  // The hint counter's digit on its panel, inside the bevel.
  auto* hint = Child<TVexDigital>(&w, "DigHint");
  const QImage digit = Grab(hint);
  const QSet<QRgb> digitColours =
      Colours(digit.copy(QRect(3, 3, digit.width() - 6, digit.height() - 6)));
  QSet<QRgb> strip = AssetColours(QStringLiteral("digits_flip"));
  strip << (hint->Color().rgb() | 0xFF000000);
  EXPECT_TRUE((digitColours - strip).isEmpty());

  // A glyph as the button draws it.
  const QIcon icon = Child<QPushButton>(&w, "NewButton")->icon();
  const QImage glyph = icon.pixmap(QSize(16, 16), ratio_).toImage();
  EXPECT_EQ(glyph.width(), qRound(16 * ratio_));
  QSet<QRgb> glyphColours;
  for (int y = 0; y < glyph.height(); ++y)
    for (int x = 0; x < glyph.width(); ++x)
      if (qAlpha(glyph.pixel(x, y)) == 255) glyphColours.insert(glyph.pixel(x, y));
  EXPECT_TRUE((glyphColours - AssetColours(QStringLiteral("glyph_new"))).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Ratios, FractionalRatioTest, ::testing::Values("five4", "three2"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
