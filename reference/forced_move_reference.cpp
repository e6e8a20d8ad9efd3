// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/forced_move_reference.h"

#include <cstring>

#include "game/reveal.h"
#include "solver/forced_move.h"
#include "solver/safe_move.h"

namespace brelvox {
namespace {

// The probe layer is never painted; its reveals draw nothing.
class NoPainter final : public CellPainter {
 public:
  void DrawCell(std::uint8_t, int, int) override {}
};

}  // namespace

SafeMove FindSafeMoveReference(const GameState& state, int layer, int& col, int& row) {
  const std::uint8_t* shown = state.board.layer(layer);
  const std::uint8_t* content = state.board.layer(ContentLayer);
  const int cols = state.Cols;
  const int rows = state.Rows;
  SafeMove result = moveNone;
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      const int v = shown[c + r * kStride];
      if (!IsNumber(v)) continue;
      int missing = v;
      int resolved = 0;
      for (int nc = c - 1; nc <= c + 1; ++nc) {
        for (int nr = r - 1; nr <= r + 1; ++nr) {
          if (nc == c && nr == r) continue;
          if (nc < 0 || nr < 0 || nc >= cols || nr >= rows) {
            ++resolved;
            continue;
          }
          const int i = nc + nr * kStride;
          if (content[i] == cellMine && shown[i] == cellMarked) {
            ++resolved;
            --missing;
          } else if (IsNumber(shown[i])) {
            ++resolved;
          }
        }
      }
      // Every mine accounted for: the unresolved non-mines are safe.
      // Every unresolved neighbour is a mine: the covered mines are certain.
      const bool allFound = missing == 0;
      if (!allFound && 8 - resolved != missing) continue;
      for (int nc = c - 1; nc <= c + 1; ++nc) {
        for (int nr = r - 1; nr <= r + 1; ++nr) {
          if (nc == c && nr == r) continue;
          if (nc < 0 || nr < 0 || nc >= cols || nr >= rows) continue;
          const int i = nc + nr * kStride;
          if (allFound) {
            if (content[i] != cellMine && !IsNumber(shown[i])) {
              result = moveSafe;
              col = nc;
              row = nr;
            }
          } else if (content[i] == cellMine && shown[i] == cellCovered) {
            result = moveMine;
            col = nc;
            row = nr;
          }
        }
      }
    }
  }
  return result;
}

int MakeForcedMoveReference(GameState& state, CellPainter& painter) {
  CandidateList list;
  BuildCandidates(state, list);
  const int m = list.count;
  if (m == 0) return 0;
  NoPainter probePainter;
  const int cols = state.Cols;
  for (int k = 0; k < m;) {
    SafeMove answer = moveNone;
    int j = 0;  // index into the list, 0-based
    for (; j < m - k; ++j) {
      std::memcpy(state.board.layer(ProbeLayer), state.board.layer(ShownLayer), kLayerSize);
      const int n = list.cells[j];
      RevealCell(state, n % cols, n / cols, true, ProbeLayer, probePainter);
      int c = 0;
      int r = 0;
      answer = FindSafeMoveReference(state, ProbeLayer, c, r);
      if (answer != moveNone) break;
    }
    if (j == m - k) j = m - k - 1;  // nothing found: the fallback walks backwards
    const int n = list.cells[j];
    RevealCell(state, n % cols, n / cols, true, ShownLayer, painter);
    ++k;
    if (answer != moveNone) return k;
  }
  return m;
}

void BuildCandidates(const GameState& state, CandidateList& list) {
  const std::uint8_t* content = state.board.layer(ContentLayer);
  const std::uint8_t* shown = state.board.layer(ShownLayer);
  const int total = state.Cols * state.Rows;
  list.count = 0;
  for (int n = 0; n < total; ++n) {
    const int i = n % state.Cols + n / state.Cols * kStride;
    if (IsNumber(content[i]) && shown[i] == cellCovered) {
      list.cells[list.count++] = static_cast<std::uint16_t>(n);
    }
  }
  for (int n = 0; n < total; ++n) {
    const int i = n % state.Cols + n / state.Cols * kStride;
    if (content[i] == 0 && shown[i] == cellCovered) {
      list.cells[list.count++] = static_cast<std::uint16_t>(n);
    }
  }
}

}  // namespace brelvox
