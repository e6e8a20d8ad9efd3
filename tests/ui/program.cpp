// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "board/board_picture.h"

using namespace brelvox::ui;

namespace uitest {

void WhenModal(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
}

Program::Program() {
  window.show();
}

void PickLevel(QWidget* chooser, int level) {
  const QByteArray name = "levelItem" + QByteArray::number(level);
  Child<QRadioButton>(chooser, name.constData())->click();
}

void Program::New(int level) {
  WhenModal([level](QWidget* modal) {
    auto* chooser = qobject_cast<TLevelChoose*>(modal);
    ASSERT_NE(chooser, nullptr);
    if (level < 0) {
      Child<QPushButton>(chooser, "Cancel")->click();
    } else {
      PickLevel(chooser, level);
      Child<QPushButton>(chooser, "Start")->click();
    }
  });
  Child<QPushButton>(&window, "NewButton")->click();
}

void WinByClicks(Program& program, std::function<void(QWidget*)> answer) {
  QTimer watcher;
  // A guarded pointer: the next dialog may be made where the last one was.
  QPointer<QWidget> last;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == last) return;
    last = modal;
    answer(modal);
  });
  watcher.start(5);
  const auto& state = program.State();
  const int size = state.CellSize;
  for (int row = 0; row < state.Rows && !state.GameOver; ++row) {
    for (int col = 0; col < state.Cols && !state.GameOver; ++col) {
      const bool mine = state.board.at(brelvox::ContentLayer, col, row) == brelvox::cellMine;
      if (state.board.at(brelvox::ShownLayer, col, row) != brelvox::cellCovered) continue;
      const QPoint at(col * size + size / 2, 49 + row * size + size / 2);
      const Qt::MouseButton button = mine ? Qt::RightButton : Qt::LeftButton;
      QTest::mousePress(&program.window, button, {}, at);
      QTest::mouseRelease(&program.window, button, {}, at);
    }
  }
  watcher.stop();
}

QImage BoardOf(const brelvox::GameState& state, qreal ratio, Drawn drawn) {
  BoardPicture picture;
  picture.SetDevicePixelRatio(ratio);
  picture.FitNumberFont(state.CellSize);
  picture.Resize(state.Cols * state.CellSize, state.Rows * state.CellSize);
  if (drawn == Drawn::OnCoveredBoard) picture.DrawCoveredBoard(state.Cols, state.Rows);
  for (int row = 0; row < state.Rows; ++row)
    for (int col = 0; col < state.Cols; ++col) {
      const std::uint8_t code = state.board.at(brelvox::ShownLayer, col, row);
      if (code != brelvox::cellCovered || drawn == Drawn::CellByCell)
        picture.DrawCell(code, col, row);
    }
  return picture.Image().convertToFormat(QImage::Format_RGB32);
}

QPoint CoveredCell(const brelvox::GameState& state) {
  for (int row = 0; row < state.Rows; ++row)
    for (int col = 0; col < state.Cols; ++col)
      if (state.board.at(brelvox::ShownLayer, col, row) == brelvox::cellCovered) return {col, row};
  return {-1, -1};
}

}  // namespace uitest
