// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program on a screen with two device pixels per logical one
// (this binary opens its windows there, beside a screen of ratio 1): the
// logical geometry stays, and what it draws uses the screen's pixels instead
// of doubling the 1x ones.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "board/board_picture.h"
#include "program.h"
#include "widgets/vex_digital.h"

using namespace brelvox::ui;

namespace {

using uitest::Child;
using uitest::Program;

// Aligned 2 x 2 blocks of `image` inside `logical` (in logical pixels) whose
// four pixels are not all the same: an upscaled 1x picture has none.
int MixedBlocks(const QImage& image, const QRect& logical) {
  int mixed = 0;
  for (int y = logical.top(); y <= logical.bottom(); ++y)
    for (int x = logical.left(); x <= logical.right(); ++x) {
      const QRgb p = image.pixel(2 * x, 2 * y);
      if (image.pixel(2 * x + 1, 2 * y) != p || image.pixel(2 * x, 2 * y + 1) != p ||
          image.pixel(2 * x + 1, 2 * y + 1) != p)
        ++mixed;
    }
  return mixed;
}

QImage Asset2x(const QString& name) {
  return QImage(QStringLiteral(":/assets/%1@2x.png").arg(name))
      .convertToFormat(QImage::Format_RGB32);
}

QImage Grab(QWidget* widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(RatioTwoTest, BoardNumbersAndPicturesUseTheDevicePixels) {
  Program program;
  TMainWindow& w = program.window;
  program.New(0);
  ASSERT_EQ(w.devicePixelRatioF(), 2.0);
  const auto& state = program.State();
  const int s = state.CellSize;
  for (int code = 1; code <= 8; ++code) w.DrawCell(static_cast<std::uint8_t>(code), code % 8, 0);
  w.DrawCell(brelvox::cellMine, 0, 1);
  const QImage shown = Grab(&w);
  ASSERT_EQ(shown.size(), 2 * w.size());
  for (int code = 1; code <= 8; ++code) {
    const QRect face((code % 8) * s + 1, brelvox::ToolbarHeight + 1, s - 2, s - 2);
    EXPECT_GT(MixedBlocks(shown, face), 2) << "number " << code;
  }
  // The mine is the 2x picture, copied pixel for pixel.
  const QImage mine = Asset2x(s < BoardPicture::kLargePicturesFrom ? QStringLiteral("BMP1_0")
                                                                   : QStringLiteral("BMP1_1"));
  const QSize size = mine.size() / 2;
  const QPoint at(s / 2 - size.width() / 2, brelvox::ToolbarHeight + s + s / 2 - size.height() / 2);
  EXPECT_EQ(shown.copy(QRect(2 * at, mine.size())), mine);
}

TEST(RatioTwoTest, CountersGlyphsAndInfoPictureUseTheDevicePixels) {
  Program program;
  program.New(0);
  // The hint counter's single digit at x = 4, y = 3 comes from the 2x strip.
  auto* hint = Child<TVexDigital>(&program.window, "DigHint");
  const QImage strip = Asset2x(QStringLiteral("digits_flip"));
  const int digit = hint->Value();
  ASSERT_GE(digit, 0);
  ASSERT_LE(digit, 9);
  EXPECT_EQ(Grab(hint).copy(8, 6, 40, 54), strip.copy(digit * 40, 0, 40, 54));

  const QIcon icon = Child<QPushButton>(&program.window, "NewButton")->icon();
  const QImage glyph = icon.pixmap(QSize(16, 16), 2.0).toImage();
  ASSERT_EQ(glyph.size(), QSize(32, 32));
  EXPECT_GT(MixedBlocks(glyph, QRect(0, 0, 16, 16)), 0);

  TInfo info{program.window.Logic(), [] {}};
  info.show();
  const QImage picture = Grab(Child<QWidget>(&info, "Image1"));
  EXPECT_EQ(picture, Asset2x(QStringLiteral("info_picture")));
}

QSize BoardSize(Program& program) {
  const auto& state = program.State();
  return QSize(state.Cols * state.CellSize, state.Rows * state.CellSize);
}

QScreen* Screen(const char* name) {
  for (QScreen* screen : QGuiApplication::screens())
    if (screen->name() == QLatin1String(name)) return screen;
  return nullptr;
}

TEST(RatioTwoTest, MovingToAScreenOfAnotherRatioDrawsTheBoardForIt) {
  Program program;
  TMainWindow& w = program.window;
  program.New(0);
  const QRect board2(QPoint(0, 2 * brelvox::ToolbarHeight), 2 * BoardSize(program));
  const QImage at2 = Grab(&w).copy(board2);
  EXPECT_EQ(at2, uitest::BoardOf(program.State(), 2));
  ASSERT_NE(Screen("one"), nullptr);
  w.windowHandle()->setScreen(Screen("one"));
  QCoreApplication::processEvents();
  ASSERT_EQ(w.devicePixelRatioF(), 1.0);
  const QImage shown = Grab(&w);
  EXPECT_EQ(shown.size(), w.size());
  EXPECT_EQ(shown.copy(QRect(QPoint(0, brelvox::ToolbarHeight), BoardSize(program))),
            uitest::BoardOf(program.State()));

  w.windowHandle()->setScreen(Screen("two"));
  QCoreApplication::processEvents();
  ASSERT_EQ(w.devicePixelRatioF(), 2.0);
  EXPECT_EQ(Grab(&w).copy(board2), at2);
}

}  // namespace
