// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hint_command.h"

#include "game/end_of_game.h"
#include "game/reveal.h"
#include "solver/forced_move.h"
#include "solver/neighbour_counts.h"
#include "solver/safe_move.h"

namespace brelvox {

void GiveHint(GameState& state, GameHost& host) {
  host.BeginBusyCursor();
  int col = 0;
  int row = 0;
  counts::LayerCounts shownCounts;  // the finder's counts, for the forced move
  if (FindSafeMove(state, ShownLayer, col, row, shownCounts) != moveNone) {
    // Only a wrong mark can be reported safe; the animation repaints the cell.
    std::uint8_t& shown = state.board.at(ShownLayer, col, row);
    if (shown == cellMarked) shown = cellCovered;
    host.PlayCue("Hint.wav");
    state.AnimCol = col;
    state.AnimRow = row;
    state.AnimSteps = kHintAnimationSteps;  // replaces a running animation
    --state.HintsLeft;
    if (state.HintsLeft >= 0) host.SetHintCounter(state.HintsLeft);
    if (state.HintsLeft == -1) host.ShowTooManyHints();
  } else {
    host.PlayCue("HintOK.wav");
    MakeForcedMove(state, host, shownCounts);
  }
  host.EndBusyCursor();
}

void RunHintCommand(GameState& state, GameHost& host) {
  GiveHint(state, host);
  // A hint never ends the game itself, but the animation may have while the
  // message box was open; a finished game must not be evaluated again.
  if (!state.GameOver) EvaluateEnd(state, host);
}

void StepHintAnimation(GameState& state, GameHost& host) {
  if (state.AnimSteps <= 0) return;
  const int col = state.AnimCol;
  const int row = state.AnimRow;
  const int layer = state.AnimSteps % 2 == 0 ? ContentLayer : ShownLayer;
  host.DrawCell(state.board.at(layer, col, row), col, row);
  --state.AnimSteps;
  if (state.AnimSteps != 0) return;
  const bool mine = state.board.at(ContentLayer, col, row) == cellMine;
  RevealCell(state, col, row, !mine, ShownLayer, host);
  EvaluateEnd(state, host);
}

}  // namespace brelvox
