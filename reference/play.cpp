// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/play.h"

#include <algorithm>
#include <chrono>

#include "app/hint_command.h"
#include "game/end_of_game.h"
#include "game/new_game.h"
#include "game/reveal.h"
#include "solver/forced_move.h"
#include "solver/safe_move.h"

namespace brelvox::play {

GameState FreshBoard(int level, std::uint32_t seed) {
  GameState s;
  s.CellSizes = {64, 31, 25, 21};
  s.RandomState = seed;
  StartLevel(s, level);
  PlaceMines(s);
  return s;
}

int MakeSafeMoves(GameState& state, GameHost& host) {
  int moves = 0;
  int col = 0;
  int row = 0;
  while (!state.GameOver) {
    const SafeMove found = FindSafeMove(state, ShownLayer, col, row);
    if (found == moveNone) break;
    if (state.board.at(ShownLayer, col, row) == cellMarked) {
      RevealCell(state, col, row, false, ShownLayer, host);  // a wrong mark comes off first
    }
    RevealCell(state, col, row, found == moveSafe, ShownLayer, host);
    EvaluateEnd(state, host);
    ++moves;
  }
  return moves;
}

bool MarkTheRest(GameState& state, GameHost& host) {
  bool marked = false;
  for (int c = 0; c < state.Cols && !state.GameOver; ++c) {
    for (int r = 0; r < state.Rows && !state.GameOver; ++r) {
      if (state.board.at(ShownLayer, c, r) != cellCovered) continue;
      RevealCell(state, c, r, false, ShownLayer, host);
      EvaluateEnd(state, host);
      marked = true;
    }
  }
  return marked;
}

GameReport PlayGame(int level, std::uint32_t seed, std::vector<double>* hintSeconds) {
  GameState s = FreshBoard(level, seed);
  QuietHost host;
  GameReport report;
  const std::int32_t allowance = s.HintsLeft;
  while (!s.GameOver) {
    const Board before = s.board;
    if (hintSeconds) {
      // How many clicks the forced move makes, worked out on a copy.
      GameState copy = s;
      QuietHost quiet;
      int col = 0;
      int row = 0;
      if (FindSafeMove(copy, ShownLayer, col, row) == moveNone) {
        report.forcedClicks += MakeForcedMove(copy, quiet);
      }
    }
    if (hintSeconds) {
      // The quickest of three runs on equal copies, so that the figure is the
      // hint's own time and not the machine's other work.
      double best = 1e9;
      for (int run = 0; run < 3; ++run) {
        GameState copy = s;
        const auto t0 = std::chrono::steady_clock::now();
        RunHintCommand(copy, host);
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double>(t1 - t0).count());
      }
      hintSeconds->push_back(best);
    }
    RunHintCommand(s, host);
    ++report.hints;
    // A charged hint (never expected from this player) moves at the end of
    // its animation.
    for (int tick = 0; tick < 10 && s.AnimSteps > 0; ++tick) StepHintAnimation(s, host);
    if (s.GameOver) break;
    if (s.board.cells == before.cells) {
      if (!MarkTheRest(s, host)) break;  // nothing left to do: should not happen
      ++report.markedRest;
    }
    MakeSafeMoves(s, host);
  }
  report.charged = allowance - s.HintsLeft;
  report.won = s.GameOver;  // unless a mine was uncovered
  if (report.won) {
    for (int c = 0; c < s.Cols; ++c) {
      for (int r = 0; r < s.Rows; ++r) {
        if (s.board.at(ShownLayer, c, r) == cellMine) report.won = false;
      }
    }
  }
  return report;
}

GameState LoadPosition(const Position& position) {
  GameState s = FreshBoard(position.level, 1);
  Board& b = s.board;
  for (int r = 0; r < s.Rows; ++r) {
    for (int c = 0; c < s.Cols; ++c) {
      const char ch = position.rows[r][c];
      b.at(ContentLayer, c, r) = ch == '*' || ch == 'M' ? cellMine : 0;
    }
  }
  for (int r = 0; r < s.Rows; ++r) {
    for (int c = 0; c < s.Cols; ++c) {
      if (b.at(ContentLayer, c, r) == cellMine) continue;
      int n = 0;
      for (int nr = r - 1; nr <= r + 1; ++nr) {
        for (int nc = c - 1; nc <= c + 1; ++nc) {
          if (s.InArea(nc, nr) && b.at(ContentLayer, nc, nr) == cellMine) ++n;
        }
      }
      b.at(ContentLayer, c, r) = static_cast<std::uint8_t>(n);
    }
  }
  for (int r = 0; r < s.Rows; ++r) {
    for (int c = 0; c < s.Cols; ++c) {
      const char ch = position.rows[r][c];
      b.at(ShownLayer, c, r) = ch == 'o'                ? b.at(ContentLayer, c, r)
                               : ch == 'M' || ch == 'W' ? cellMarked
                                                        : cellCovered;
    }
  }
  return s;
}

std::string PositionText(const GameState& state) {
  std::string text;
  for (int r = 0; r < state.Rows; ++r) {
    text += "\"";
    for (int c = 0; c < state.Cols; ++c) {
      const bool mine = state.board.at(ContentLayer, c, r) == cellMine;
      const std::uint8_t shown = state.board.at(ShownLayer, c, r);
      text += shown == cellMarked    ? (mine ? 'M' : 'W')
              : shown == cellCovered ? (mine ? '*' : '.')
                                     : 'o';
    }
    text += "\",\n";
  }
  return text;
}

}  // namespace brelvox::play
