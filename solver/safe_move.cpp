#include "solver/safe_move.h"

namespace brelvox {

std::uint8_t FindSafeMove(const GameState& state, int layer, int& col, int& row) {
  const std::uint8_t* shown = state.board.layer(layer);
  const std::uint8_t* content = state.board.layer(ContentLayer);
  const int cols = state.Cols;
  const int rows = state.Rows;
  std::uint8_t result = moveNone;
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      const int v = shown[c + r * kStride];
      if (v > 8) continue;
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
          } else if (shown[i] <= 8) {
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
            if (content[i] != cellMine && shown[i] > 8) {
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

}  // namespace brelvox
