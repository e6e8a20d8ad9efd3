#include "solver/safe_move.h"

#include "solver/neighbour_counts.h"

namespace brelvox {

namespace counts {

void CountAll(const GameState& state, const std::uint8_t* layer, std::uint32_t* word,
              std::uint32_t* sum) {
  const std::uint8_t* content = state.board.layer(ContentLayer);
  const int cols = state.Cols;
  const int rows = state.Rows;
  for (int p = 0; p < kPadSize; ++p) {
    word[p] = kResolved;
    sum[p] = 0;
  }
  for (int r = 0; r < rows; ++r) {
    std::uint32_t* w = word + Pad(0, r);
    const std::uint8_t* k = content + r * kStride;
    const std::uint8_t* l = layer + r * kStride;
    for (int c = 0; c < cols; ++c) w[c] = Word(k[c], l[c]);
  }
  // Three across, then three down, less the cell itself.
  std::uint32_t across[kPadSize];
  for (int r = -1; r <= rows; ++r) {
    const int p0 = Pad(0, r);
    for (int p = p0; p < p0 + cols; ++p) across[p] = word[p - 1] + word[p] + word[p + 1];
  }
  for (int r = 0; r < rows; ++r) {
    const int p0 = Pad(0, r);
    for (int p = p0; p < p0 + cols; ++p) {
      sum[p] = across[p - kPadStride] + across[p] + across[p + kPadStride] - word[p];
    }
  }
}

}  // namespace counts

std::uint8_t FindSafeMove(const GameState& state, int layer, int& col, int& row) {
  using namespace counts;
  const std::uint8_t* shown = state.board.layer(layer);
  std::uint32_t word[kPadSize];
  std::uint32_t sum[kPadSize];
  CountAll(state, shown, word, sum);
  // Every qualifying neighbour of every number cell overwrites the answer, in
  // column-major order: the answer is the first one found walking backwards.
  for (int c = state.Cols - 1; c >= 0; --c) {
    for (int r = state.Rows - 1; r >= 0; --r) {
      const int v = shown[c + r * kStride];
      if (v > 8) continue;
      const int p = Pad(c, r);
      if (!Yields(v, sum[p])) continue;
      // Every mine accounted for: the unresolved non-mines are safe.
      // Every unresolved neighbour is a mine: the covered mines are certain.
      const bool allFound = v == static_cast<int>(sum[p] >> 8 & 0xff);
      for (int n = 7; n >= 0; --n) {
        const int q = p + kNeighbours[n];
        if (word[q] != (allFound ? kSafe : kCoveredMine)) continue;
        col = c + kNeighbourCol[n];
        row = r + kNeighbourRow[n];
        return allFound ? moveSafe : moveMine;
      }
    }
  }
  return moveNone;
}

}  // namespace brelvox
