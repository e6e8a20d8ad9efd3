// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/end_of_game.h"

#include "game/clock_time.h"

namespace brelvox {
namespace {

// A hint animation still running when the game ends stops here and its cell
// shows the final picture, so its last step can never evaluate a finished game.
void StopHintAnimation(GameState& state, GameHost& host) {
  if (state.AnimSteps <= 0) return;
  state.AnimSteps = 0;
  host.DrawCell(state.board.at(ContentLayer, state.AnimCol, state.AnimRow), state.AnimCol,
                state.AnimRow);
}

void FinishLoss(GameState& state, GameHost& host) {
  host.PlayCue("bang.wav");
  host.StopGameControls();
  Board& b = state.board;
  for (int row = 0; row < state.Rows; ++row) {
    for (int col = 0; col < state.Cols; ++col) {
      const std::uint8_t shown = b.at(ShownLayer, col, row);
      std::uint8_t& content = b.at(ContentLayer, col, row);
      if (shown == cellMarked && content != cellMine) content = cellWrongMark;
      if (shown == cellMarked && content == cellMine) content = cellMarked;
      if (IsNumber(content) && shown == cellCovered) content = cellCovered;
      if (content != shown) host.DrawCell(content, col, row);
    }
  }
  StopHintAnimation(state, host);
}

bool AllMinesMarkedAndRestUncovered(const GameState& state) {
  const Board& b = state.board;
  for (int row = 0; row < state.Rows; ++row) {
    for (int col = 0; col < state.Cols; ++col) {
      const std::uint8_t shown = b.at(ShownLayer, col, row);
      const std::uint8_t content = b.at(ContentLayer, col, row);
      if (content == cellMine ? shown != cellMarked
                              : (shown == cellMarked || shown == cellCovered)) {
        return false;
      }
    }
  }
  return true;
}

void FinishWin(GameState& state, GameHost& host) {
  host.StopGameControls();
  Board& b = state.board;
  for (int row = 0; row < state.Rows; ++row) {
    for (int col = 0; col < state.Cols; ++col) {
      if (b.at(ContentLayer, col, row) == cellMine) b.at(ContentLayer, col, row) = cellMarked;
    }
  }
  StopHintAnimation(state, host);
  host.PlayCue("Win.wav");
  if (state.HintsLeft < 0) return;  // too many hints: no place in the table
  host.SubmitScore(state.CurrentLevel, WholeSeconds(state.Elapsed));
}

}  // namespace

void EvaluateEnd(GameState& state, GameHost& host) {
  if (state.GameOver) {
    FinishLoss(state, host);
    return;
  }
  if (!AllMinesMarkedAndRestUncovered(state)) return;
  state.GameOver = 1;
  FinishWin(state, host);
}

}  // namespace brelvox
