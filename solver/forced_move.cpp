// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/forced_move.h"

#include <cstring>

#include "game/reveal.h"
#include "solver/neighbour_counts.h"

namespace brelvox {
namespace {

using counts::kNeighbours;
using counts::kPadSize;
using counts::kPadStride;
using counts::kUncoveredNeighbour;
using counts::Pad;
using counts::RulesNameACell;

// The working data of one forced move, on the padded grid of neighbour_counts.h.
// The neighbour counts of the uncovered cells of the shown layer are kept up
// to date through the real clicks. A trial uncovering is a flood fill into a
// stamped set; each flooded cell adds kUncoveredNeighbour to its neighbours'
// counts, and only the flooded cells and the number cells beside them can
// answer differently from the shown layer.
class ForcedMoveSearch {
 public:
  ForcedMoveSearch(GameState& state, CellPainter& painter, counts::LayerCounts& shownCounts)
      : state_(state),
        painter_(painter),
        cols_(state.Cols),
        rows_(state.Rows),
        shownCounts_(shownCounts),
        sum_(shownCounts.sum) {}

  int Run();

 private:
  void Start();
  // Appends the candidates of the next row, or once all rows are done the
  // covered zero cells again. Returns false when the list is complete.
  bool ExtendList();
  // Flood fill from `start` as an uncovering of the shown layer would do it,
  // into flood_[0 .. floodCount_) with inFlood_ == stamp_.
  void Flood(int start);
  // What the finder would answer after uncovering `start`.
  struct Trial {
    bool finderAnswers = false;
    // The answer came from the cells at the flood alone, whatever the rest
    // of the board says; it holds until the shown layer changes near them.
    bool decidedAtFlood = false;
  };
  Trial TryUncovering(int start);
  // Whether the finder answers anything after uncovering list entry `j`, in
  // pass `pass`; reuses answers that still hold.
  bool FinderAnswersAfterCandidate(int j, int pass);
  // The real click, drawn; then the counts follow the shown layer.
  void Click(int start, bool last, int pass);

  bool Covered(int p) const { return shown_[p] != content_[p] && shown_[p] != cellMarked; }
  std::uint32_t ContributionAt(int p) const {
    return counts::kContributions.of[content_[p] << 4 | shown_[p]];
  }
  std::uint32_t SumAround(int p) const {
    std::uint32_t sum = 0;
    for (const int d : kNeighbours) sum += ContributionAt(p + d);
    return sum;
  }

  GameState& state_;
  CellPainter& painter_;
  const int cols_;
  const int rows_;

  // The candidates, built as far as the first pass needs them.
  std::uint16_t list_[kMaxCandidates];
  int built_ = 0;
  int nextRow_ = 0;
  bool complete_ = false;

  // The shown layer and the content, padded: the padding reads as a marked
  // cell of content kOffBoard, where a flood fill stops and which counts as
  // off the board.
  std::uint8_t content_[kPadSize];
  std::uint8_t shown_[kPadSize];
  counts::LayerCounts& shownCounts_;
  std::uint32_t* sum_;                 // of the uncovered cells
  std::uint8_t namesACell_[kPadSize];  // 1 for number cells that let the finder name a cell
  int namingCells_ = 0;

  // The current trial: the flooded cells with their sums on the shown layer,
  // and every cell beside one of them with its number of flooded neighbours.
  std::uint32_t stamp_ = 0;
  std::uint32_t inFlood_[kPadSize];
  std::uint32_t touchedStamp_[kPadSize];
  std::uint8_t touched_[kPadSize];
  std::uint16_t flood_[kPadSize];
  std::uint32_t floodSum_[kPadSize];
  std::uint16_t around_[kPadSize];
  int floodCount_ = 0;

  // Answers kept between trials. A number candidate's local answer holds
  // until the shown layer changes within two cells of it (changedNear_: the
  // last pass whose click did so, kept with a margin of two cells). A zero
  // candidate's answer holds for its whole zero area until the pass ends.
  static constexpr int kMargin = 2 * kPadStride + 2;
  std::int16_t localPass_[kPadSize];
  std::uint8_t localAnswer_[kPadSize];
  std::int16_t changedNear_[kPadSize + 2 * kMargin];
  std::int16_t zeroPass_[kPadSize];
  std::uint8_t zeroAnswer_[kPadSize];
};

void ForcedMoveSearch::Start() {
  const std::uint8_t* content = state_.board.layer(ContentLayer);
  const std::uint8_t* shown = state_.board.layer(ShownLayer);
  // Only the rows of the area and the padding above and below are ever used.
  const std::size_t used = static_cast<std::size_t>(rows_ + 2) * kPadStride;
  std::memset(content_, counts::kOffBoard, used);
  std::memset(shown_, cellMarked, used);
  for (int r = 0; r < rows_; ++r) {
    std::memcpy(content_ + Pad(0, r), content + r * kStride, static_cast<std::size_t>(cols_));
    std::memcpy(shown_ + Pad(0, r), shown + r * kStride, static_cast<std::size_t>(cols_));
  }
  // Counts are needed for the uncovered cells only; the finder has usually
  // worked them out already.
  const bool anyUncovered = shownCounts_.ready || counts::AnyUncovered(state_, shown);
  if (!shownCounts_.ready && anyUncovered) {
    counts::CountAll(state_, shown, shownCounts_.contribution, sum_);
  }
  shownCounts_.ready = true;
  std::memset(namesACell_, 0, used);
  namingCells_ = 0;
  if (anyUncovered && !shownCounts_.nothingFound) {
    for (int r = 0; r < rows_; ++r) {
      for (int p = Pad(0, r); p < Pad(cols_, r); ++p) {
        // Only a number with a covered or marked neighbour can name a cell.
        if (!IsNumber(shown_[p]) || (sum_[p] >> 16) == 0 || !RulesNameACell(shown_[p], sum_[p]))
          continue;
        namesACell_[p] = 1;
        ++namingCells_;
      }
    }
  }
  std::memset(inFlood_, 0, used * sizeof inFlood_[0]);
  std::memset(touchedStamp_, 0, used * sizeof touchedStamp_[0]);
  std::memset(zeroPass_, 0xff, used * sizeof zeroPass_[0]);
}

bool ForcedMoveSearch::ExtendList() {
  if (complete_) return false;
  int m = built_;
  if (nextRow_ < rows_) {
    // Row-major: all covered mine-free cells ...
    const int end = Pad(cols_, nextRow_);
    for (int p = Pad(0, nextRow_); p < end; ++p) {
      list_[m] = static_cast<std::uint16_t>(p);
      m += IsNumber(content_[p]) && shown_[p] == cellCovered;
    }
    ++nextRow_;
  } else {
    // ... then the covered zero cells again.
    const int firstPart = m;
    for (int e = 0; e < firstPart; ++e) {
      list_[m] = list_[e];
      m += content_[list_[e]] == 0;
    }
    complete_ = true;
  }
  built_ = m;
  return true;
}

void ForcedMoveSearch::Flood(int start) {
  ++stamp_;
  floodCount_ = 0;
  // Uncovering stops at marked and at uncovered cells; it spreads from zeros.
  if (!Covered(start)) return;
  inFlood_[start] = stamp_;
  flood_[floodCount_++] = static_cast<std::uint16_t>(start);
  for (int next = 0; next < floodCount_; ++next) {
    const int p = flood_[next];
    if (content_[p] != 0) continue;
    for (const int d : kNeighbours) {
      const int q = p + d;
      if (inFlood_[q] == stamp_ || !Covered(q)) continue;
      inFlood_[q] = stamp_;
      flood_[floodCount_++] = static_cast<std::uint16_t>(q);
    }
  }
}

ForcedMoveSearch::Trial ForcedMoveSearch::TryUncovering(int start) {
  Flood(start);
  if (floodCount_ == 0) return {namingCells_ > 0, false};  // the trial changes nothing
  int aroundCount = 0;
  for (int f = 0; f < floodCount_; ++f) {
    const int p = flood_[f];
    std::uint32_t sum = 0;
    for (const int d : kNeighbours) {
      const int q = p + d;
      sum += ContributionAt(q);
      if (touchedStamp_[q] != stamp_) {
        touchedStamp_[q] = stamp_;
        touched_[q] = 0;
        around_[aroundCount++] = static_cast<std::uint16_t>(q);
      }
      ++touched_[q];
    }
    floodSum_[f] = sum;
  }
  // The flooded cells show their numbers on the trial layer.
  for (int f = 0; f < floodCount_; ++f) {
    const int p = flood_[f];
    const int t = touchedStamp_[p] == stamp_ ? touched_[p] : 0;
    if (RulesNameACell(content_[p],
                       floodSum_[f] + static_cast<std::uint32_t>(t) * kUncoveredNeighbour)) {
      return {true, true};
    }
  }
  // Number cells away from the flood answer as on the shown layer.
  if (namingCells_ > 0) {
    int namingAround = 0;
    for (int a = 0; a < aroundCount; ++a) namingAround += namesACell_[around_[a]];
    if (namingCells_ > namingAround) return {true, false};
  }
  for (int a = 0; a < aroundCount; ++a) {
    const int q = around_[a];
    if (!IsNumber(shown_[q])) continue;  // covered, marked, padding, or flooded
    if (RulesNameACell(shown_[q], sum_[q] + touched_[q] * kUncoveredNeighbour)) return {true, true};
  }
  return {false, true};
}

bool ForcedMoveSearch::FinderAnswersAfterCandidate(int j, int pass) {
  const int p = list_[j];
  if (!Covered(p)) return namingCells_ > 0;  // opened by an earlier click
  if (content_[p] == 0) {
    // Every covered zero of one area floods the same cells.
    if (zeroPass_[p] == pass) return zeroAnswer_[p] != 0;
    const bool answer = TryUncovering(p).finderAnswers;
    for (int f = 0; f < floodCount_; ++f) {
      const int q = flood_[f];
      if (content_[q] != 0) continue;
      zeroPass_[q] = static_cast<std::int16_t>(pass);
      zeroAnswer_[q] = answer ? 1 : 0;
    }
    return answer;
  }
  // Every number candidate is tried in a first pass that finds nothing, so
  // later passes find an answer of their own here for each.
  if (pass > 0 && namingCells_ == 0 && localPass_[p] >= 0 &&
      changedNear_[p + kMargin] < localPass_[p]) {
    return localAnswer_[p] != 0;
  }
  const Trial trial = TryUncovering(p);
  localPass_[p] = static_cast<std::int16_t>(trial.decidedAtFlood ? pass : -1);
  localAnswer_[p] = trial.finderAnswers ? 1 : 0;
  return trial.finderAnswers;
}

void ForcedMoveSearch::Click(int start, bool last, int pass) {
  const int col = start % kPadStride - 1;
  const int row = start / kPadStride - 1;
  if (last) {
    RevealCell(state_, col, row, true, ShownLayer, painter_);
    return;
  }
  Flood(start);
  RevealCell(state_, col, row, true, ShownLayer, painter_);
  // The counts follow the shown layer; candidates within two cells of a
  // change forget their local answers.
  for (int f = 0; f < floodCount_; ++f) {
    const int p = flood_[f];
    shown_[p] = content_[p];
    for (int dr = -2; dr <= 2; ++dr) {
      for (int dc = -2; dc <= 2; ++dc) {
        changedNear_[p + kMargin + dr * kPadStride + dc] = static_cast<std::int16_t>(pass);
      }
    }
  }
  for (int f = 0; f < floodCount_; ++f) {
    const int p = flood_[f];
    for (const int d : kNeighbours) {
      const int q = p + d;
      if (inFlood_[q] != stamp_ && IsNumber(shown_[q])) sum_[q] += kUncoveredNeighbour;
    }
  }
  for (int f = 0; f < floodCount_; ++f) sum_[flood_[f]] = SumAround(flood_[f]);
  ++stamp_;
  for (int f = 0; f < floodCount_; ++f) {
    const int p = flood_[f];
    for (int n = -1; n < 8; ++n) {
      const int q = n < 0 ? p : p + kNeighbours[n];
      if (touchedStamp_[q] == stamp_) continue;
      touchedStamp_[q] = stamp_;
      const std::uint8_t now = IsNumber(shown_[q]) && RulesNameACell(shown_[q], sum_[q]) ? 1 : 0;
      namingCells_ += now - namesACell_[q];
      namesACell_[q] = now;
    }
  }
}

int ForcedMoveSearch::Run() {
  Start();
  // The first pass: the list is built as it goes.
  for (int j = 0;; ++j) {
    while (j >= built_ && ExtendList()) {
    }
    if (j >= built_) break;
    if (FinderAnswersAfterCandidate(j, 0)) {
      Click(list_[j], true, 0);
      return 1;
    }
  }
  const int m = built_;
  if (m == 0) return 0;
  std::memset(changedNear_, 0xff, sizeof changedNear_);
  for (int k = 0; k < m; ++k) {
    bool found = false;
    int j = 0;
    if (k > 0) {
      for (; j < m - k; ++j) {
        if (FinderAnswersAfterCandidate(j, k)) {
          found = true;
          break;
        }
      }
    }
    if (!found) j = m - k - 1;  // nothing found: the fallback walks backwards
    Click(list_[j], found, k);
    if (found) return k + 1;
  }
  return m;
}

}  // namespace

int MakeForcedMove(GameState& state, CellPainter& painter) {
  counts::LayerCounts shownCounts;
  return MakeForcedMove(state, painter, shownCounts);
}

int MakeForcedMove(GameState& state, CellPainter& painter, counts::LayerCounts& shownCounts) {
  ForcedMoveSearch search(state, painter, shownCounts);
  return search.Run();
}

}  // namespace brelvox
