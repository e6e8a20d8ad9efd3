// SPDX-License-Identifier: GPL-3.0-or-later
// What the safe-move finder counts around a number cell, for every cell of a
// layer at once. The four counts are packed into the bytes of one word, so
// that the contributions of the eight neighbours (what each adds to the
// counts) simply add up:
//   byte 0: resolved positions (off the board, correctly marked, uncovered);
//   byte 1: correctly marked mines;
//   byte 2: cells without a mine that are covered or marked ("safe");
//   byte 3: covered mines.
// Cells are addressed on a grid padded by one cell on every side, so that
// neighbours need no bounds test: the padding counts as off the board.
#pragma once

#include <array>
#include <cstdint>

#include "game/game_state.h"

namespace brelvox::counts {

inline constexpr int kPadStride = 32;
inline constexpr int kPadRows = kMaxRows + 2;
inline constexpr int kPadSize = kPadStride * kPadRows;
// Room for an array of contributions: CountAll works in fours and reads a little beyond.
inline constexpr int kContributionRoom = kPadSize + 4;

inline constexpr std::uint32_t kResolved = 0x1;
inline constexpr std::uint32_t kCorrectMark = 0x100;
inline constexpr std::uint32_t kSafe = 0x10000;
inline constexpr std::uint32_t kCoveredMine = 0x1000000;
// Uncovering a cell without a mine turns one safe neighbour into a resolved one.
inline constexpr std::uint32_t kUncoveredNeighbour = kResolved - kSafe;

// The eight neighbours in the finder's walk order: column by column, and
// within a column from top to bottom; and the same as steps on the padded grid.
inline constexpr int kNeighbourCol[8] = {-1, -1, -1, 0, 0, 1, 1, 1};
inline constexpr int kNeighbourRow[8] = {-1, 0, 1, -1, 1, -1, 0, 1};
constexpr std::array<int, 8> NeighbourSteps() {
  std::array<int, 8> step{};
  for (int n = 0; n < 8; ++n) step[n] = kNeighbourCol[n] + kNeighbourRow[n] * kPadStride;
  return step;
}
inline constexpr std::array<int, 8> kNeighbours = NeighbourSteps();

inline int Pad(int col, int row) {
  return col + 1 + (row + 1) * kPadStride;
}

// What one neighbour adds to the counts.
constexpr std::uint32_t Contribution(std::uint8_t content, std::uint8_t code) {
  if (content == cellMine) {
    return code == cellMarked ? kResolved + kCorrectMark : code == cellCovered ? kCoveredMine : 0;
  }
  return IsNumber(code) ? kResolved : kSafe;
}

// A content code for cells outside the game area: counted as off the board.
inline constexpr std::uint8_t kOffBoard = 15;

// Contribution() by content code and layer code, at content << 4 | code.
struct ContributionTable {
  std::uint32_t of[256];
  constexpr ContributionTable() : of() {
    for (int content = 0; content < 16; ++content) {
      for (int code = 0; code < 16; ++code) {
        of[content << 4 | code] =
            content == kOffBoard
                ? kResolved
                : Contribution(static_cast<std::uint8_t>(content), static_cast<std::uint8_t>(code));
      }
    }
  }
};
inline constexpr ContributionTable kContributions;

// The finder's two rules, for a number cell showing `v` whose neighbours add
// up to `sum`.
constexpr int MarkedMines(std::uint32_t sum) {
  return static_cast<int>(sum >> 8 & 0xff);
}
// Every mine around it is correctly marked: its unresolved non-mines are safe.
constexpr bool EveryMineMarked(int v, std::uint32_t sum) {
  return v == MarkedMines(sum);
}
// Every unresolved neighbour holds one of its unmarked mines: the covered
// ones are certain mines.
constexpr bool EveryUnresolvedIsMine(int v, std::uint32_t sum) {
  return 8 - static_cast<int>(sum & 0xff) == v - MarkedMines(sum);
}

// Whether one of the two rules names a cell: a safe neighbour left for the
// first, a covered mine for the second.
constexpr bool RulesNameACell(int v, std::uint32_t sum) {
  if (EveryMineMarked(v, sum)) return (sum & 0xff0000) != 0;
  return EveryUnresolvedIsMine(v, sum) && (sum >> 24) != 0;
}

// For every cell of the game area (padded index), `contribution` what it adds to its
// neighbours' counts on `layer`; the padding around the area gets kResolved.
// `contribution` has kContributionRoom entries.
void CountContributions(const GameState& state, const std::uint8_t* layer,
                        std::uint32_t* contribution);

// The same, and for every cell of the game area in `sum` its neighbours'
// counts. Sums outside the area are left undefined.
void CountAll(const GameState& state, const std::uint8_t* layer, std::uint32_t* contribution,
              std::uint32_t* sum);

// Whether any cell of the game area is uncovered (code 0..8) on `layer`.
bool AnyUncovered(const GameState& state, const std::uint8_t* layer);

// The counts of one layer, as the finder leaves them for the forced move.
struct LayerCounts {
  bool ready = false;         // false: not worked out (nothing was uncovered)
  bool nothingFound = false;  // the finder went through them all and found nothing
  std::uint32_t contribution[kContributionRoom];
  std::uint32_t sum[kPadSize];
};

}  // namespace brelvox::counts
