// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/narrator.h"

#include <QStringList>
#include <QTimer>

#include "app/main_window_logic.h"
#include "board/board_accessible.h"
#include "game/clock_time.h"
#include "widgets/spoken_notice.h"

namespace brelvox::ui {

namespace {

using Moment = Narrator::Moment;

// What became of the cells: the cursor cell's new content, or where the
// change happened when the cursor did not make it, and the size of a flood.
QString CellNews(const Moment& before, const Moment& now, bool onlyCursor) {
  const int cursor = now.cursorCol < 0 ? -1 : now.cursorRow * now.cols + now.cursorCol;
  int uncovered = 0;
  int first = -1;
  for (int i = 0; i < static_cast<int>(now.cells.size()); ++i) {
    if (now.cells[i] == before.cells[i]) continue;
    if (brelvox::IsNumber(now.cells[i]) && !brelvox::IsNumber(before.cells[i])) ++uncovered;
    if (first < 0) first = i;
  }
  if (first < 0) return {};  // nothing changed
  QString news;
  const bool hintDone = before.hintSteps > 0 && now.hintSteps == 0;
  if (cursor >= 0 && now.cells[cursor] != before.cells[cursor]) {
    news = CellName(now.cells[cursor]);
  } else if (onlyCursor) {
    return {};
  } else {
    const int at = hintDone ? now.hintRow * now.cols + now.hintCol : first;
    news = Narrator::tr("row %1, column %2: %3")
               .arg(at / now.cols + 1)
               .arg(at % now.cols + 1)
               .arg(CellName(now.cells[at]));
  }
  if (uncovered > 1) return Narrator::tr("%1, %n cells uncovered", nullptr, uncovered).arg(news);
  return news;
}

bool HintStarted(const Moment& before, const Moment& now) {
  if (now.hintSteps <= 0) return false;
  return before.hintSteps <= 0 || now.hintSteps > before.hintSteps ||
         now.hintCol != before.hintCol || now.hintRow != before.hintRow;
}

}  // namespace

Narrator::Narrator(const brelvox::MainWindowLogic& logic, SpokenNotice& notice, QObject* parent)
    : QObject(parent), logic_(logic), notice_(notice), last_(Take()) {}

void Narrator::Changed() {
  if (pending_) return;
  pending_ = true;
  QTimer::singleShot(0, this, &Narrator::SpeakNow);
}

void Narrator::Quiet() {
  quiet_ = true;
  Changed();
}

void Narrator::HintAsked() {
  hintAsked_ = true;
  Changed();
}

void Narrator::SpeakNow() {
  pending_ = false;
  const Moment now = Take();
  hintAsked_ = false;
  if (!quiet_) notice_.Say(Difference(last_, now));
  quiet_ = false;
  last_ = now;
}

QString Narrator::Difference(const Moment& before, const Moment& now) {
  QStringList said;
  if (now.paused != before.paused) said << (now.paused ? tr("Paused") : tr("Resumed"));
  if (now.soundOn != before.soundOn) said << (now.soundOn ? tr("Sound on") : tr("Sound off"));
  const bool lost = now.over && !before.over && !now.won;
  const bool hintStarted = HintStarted(before, now);
  if (!now.paused && !hintStarted && now.cols == before.cols &&
      now.cells.size() == before.cells.size()) {
    // A hint with no safe move to show makes a free move, told as the hint's.
    const QString news = CellNews(before, now, lost);
    said << (now.hintAsked && !news.isEmpty() ? tr("Hint: %1").arg(news) : news);
  }
  if (hintStarted) said << tr("Hint: row %1, column %2").arg(now.hintRow + 1).arg(now.hintCol + 1);
  if (now.hintsLeft != before.hintsLeft && now.hintsLeft >= 0)
    said << tr("Hints left: %n", nullptr, now.hintsLeft);
  if (now.over && !before.over && !now.won) said << tr("You lost");
  // English reads the texts as written, without a catalogue, so one second
  // keeps a sentence of its own; other counts take the language's plural.
  if (now.over && !before.over && now.won)
    said << (now.seconds == 1 ? tr("You won in 1 second")
                              : tr("You won in %n seconds", nullptr, now.seconds));
  said.removeAll(QString());
  return said.join(QStringLiteral(". "));
}

Narrator::Moment Narrator::Take() const {
  const brelvox::GameState& state = logic_.State();
  const brelvox::ControlStates& controls = logic_.Controls();
  Moment m;
  m.cols = state.Cols;
  m.cells.reserve(state.Cols * state.Rows);
  bool mineShows = false;
  for (int row = 0; row < state.Rows; ++row) {
    for (int col = 0; col < state.Cols; ++col) {
      m.cells.push_back(ShownCode(state, col, row));
      mineShows = mineShows || m.cells.back() == brelvox::cellMine;
    }
  }
  if (controls.cursorShown) {
    m.cursorCol = controls.cursorCol;
    m.cursorRow = controls.cursorRow;
  }
  m.over = state.GameOver != 0;
  m.won = m.over && !mineShows;  // a loss shows its mines, a win marks them all
  m.paused = state.Paused != 0;
  m.soundOn = state.SoundOn != 0;
  m.hintsLeft = state.HintsLeft;
  m.hintSteps = state.AnimSteps;
  m.hintCol = state.AnimCol;
  m.hintRow = state.AnimRow;
  m.seconds = brelvox::WholeSeconds(state.Elapsed);
  m.hintAsked = hintAsked_;
  return m;
}

}  // namespace brelvox::ui
