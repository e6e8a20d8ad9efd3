#include "solver/forced_move_reference.h"

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

int MakeForcedMoveReference(GameState& state, CellPainter& painter) {
  CandidateList list;
  BuildCandidates(state, list);
  const int m = list.count;
  if (m == 0) return 0;
  NoPainter probePainter;
  const int cols = state.Cols;
  for (int k = 0; k < m;) {
    std::uint8_t answer = moveNone;
    int j = 0;  // index into the list, 0-based
    for (; j < m - k; ++j) {
      std::memcpy(state.board.layer(ProbeLayer), state.board.layer(ShownLayer), kLayerSize);
      const int n = list.cells[j];
      RevealCell(state, n % cols, n / cols, true, ProbeLayer, probePainter);
      int c = 0;
      int r = 0;
      answer = FindSafeMove(state, ProbeLayer, c, r);
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

}  // namespace brelvox
