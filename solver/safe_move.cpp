// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/safe_move.h"

#include <cstring>

#include "solver/neighbour_counts.h"

namespace brelvox {

namespace counts {

namespace {

// Four words at a time; the loads and stores need no alignment.
typedef std::uint32_t Four __attribute__((vector_size(16)));
inline Four Load(const std::uint32_t* p) {
  Four v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void Store(std::uint32_t* p, Four v) {
  std::memcpy(p, &v, sizeof v);
}

}  // namespace

void CountContributions(const GameState& state, const std::uint8_t* layer,
                        std::uint32_t* contribution) {
  const std::uint8_t* content = state.board.layer(ContentLayer);
  const int cols = state.Cols;
  const int rows = state.Rows;
  // The ring of padding around the game area counts as off the board.
  for (int p = kPadSize; p < kContributionRoom; ++p) contribution[p] = 0;
  for (int c = -1; c <= cols; ++c) {
    contribution[Pad(c, -1)] = kResolved;
    contribution[Pad(c, rows)] = kResolved;
  }
  for (int r = 0; r < rows; ++r) {
    contribution[Pad(-1, r)] = kResolved;
    contribution[Pad(cols, r)] = kResolved;
    std::uint32_t* w = contribution + Pad(0, r);
    const std::uint8_t* k = content + r * kStride;
    const std::uint8_t* l = layer + r * kStride;
    for (int c = 0; c < cols; ++c) w[c] = kContributions.of[k[c] << 4 | l[c]];
  }
}

void CountAll(const GameState& state, const std::uint8_t* layer, std::uint32_t* contribution,
              std::uint32_t* sum) {
  CountContributions(state, layer, contribution);
  const int cols = state.Cols;
  const int rows = state.Rows;
  // Three across, then three down, less the cell itself. The rows are done in
  // fours; the last four of a row may reach into the padding and beyond, where
  // nothing is read later.
  std::uint32_t across[kPadSize + 4];
  for (int r = -1; r <= rows; ++r) {
    const int p0 = Pad(0, r);
    for (int p = p0; p < p0 + cols; p += 4) {
      Store(across + p,
            Load(contribution + p - 1) + Load(contribution + p) + Load(contribution + p + 1));
    }
  }
  for (int r = 0; r < rows; ++r) {
    const int p0 = Pad(0, r);
    for (int p = p0; p < p0 + cols; p += 4) {
      Store(sum + p, Load(across + p - kPadStride) + Load(across + p) +
                         Load(across + p + kPadStride) - Load(contribution + p));
    }
  }
}

bool AnyUncovered(const GameState& state, const std::uint8_t* layer) {
  const int cols = state.Cols;
  if (cols < 8) {
    for (int r = 0; r < state.Rows; ++r) {
      for (int c = 0; c < cols; ++c) {
        if (IsNumber(layer[c + r * kStride])) return true;
      }
    }
    return false;
  }
  // Eight codes at a time: a byte below 9 in x sets its top bit in
  // (x - 0x09..09) & ~x (codes are below 128); the last eight of a row may
  // overlap the ones before.
  constexpr std::uint64_t kNines = 0x0909090909090909u;
  constexpr std::uint64_t kTops = 0x8080808080808080u;
  for (int r = 0; r < state.Rows; ++r) {
    const std::uint8_t* row = layer + r * kStride;
    for (int c = 0; c < cols; c += 8) {
      std::uint64_t x;
      std::memcpy(&x, row + (c + 8 <= cols ? c : cols - 8), sizeof x);
      if ((x - kNines) & ~x & kTops) return true;
    }
  }
  return false;
}

}  // namespace counts

SafeMove FindSafeMove(const GameState& state, int layer, int& col, int& row) {
  counts::LayerCounts counts;
  return FindSafeMove(state, layer, col, row, counts);
}

SafeMove FindSafeMove(const GameState& state, int layer, int& col, int& row,
                      counts::LayerCounts& counts) {
  using namespace counts;
  const std::uint8_t* shown = state.board.layer(layer);
  counts.ready = false;
  counts.nothingFound = false;
  if (!AnyUncovered(state, shown)) return moveNone;
  // Every qualifying neighbour of every number cell overwrites the answer, in
  // column-major order: the answer is the first one found walking backwards.
  // The counts are worked out at the first uncovered cell.
  for (int c = state.Cols - 1; c >= 0; --c) {
    for (int r = state.Rows - 1; r >= 0; --r) {
      const int v = shown[c + r * kStride];
      if (!IsNumber(v)) continue;
      if (!counts.ready) {
        CountAll(state, shown, counts.contribution, counts.sum);
        counts.ready = true;
      }
      const int p = Pad(c, r);
      const std::uint32_t sum = counts.sum[p];
      if (!RulesNameACell(v, sum)) continue;
      const bool allFound = EveryMineMarked(v, sum);
      for (int n = 7; n >= 0; --n) {
        if (counts.contribution[p + kNeighbours[n]] != (allFound ? kSafe : kCoveredMine)) continue;
        col = c + kNeighbourCol[n];
        row = r + kNeighbourRow[n];
        return allFound ? moveSafe : moveMine;
      }
    }
  }
  counts.nothingFound = true;
  return moveNone;
}

}  // namespace brelvox
