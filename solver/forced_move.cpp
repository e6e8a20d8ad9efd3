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
using counts::Yields;

// The working data of one forced move, on the padded grid of neighbour_counts.h.
// The neighbour counts of every cell of the shown layer are kept up to date
// through the real clicks. A trial uncovering is a flood fill into a stamped
// set; each flooded cell adds kUncoveredNeighbour to its neighbours' counts,
// and only the flooded cells and the number cells beside them can answer
// differently from the shown layer.
class ForcedMoveSearch {
 public:
  ForcedMoveSearch(GameState& state, CellPainter& painter) : state_(state), painter_(painter) {}

  int Run();

 private:
  void Start();
  // Flood fill from `start` as an uncovering of the shown layer would do it,
  // into flood_[0 .. floodCount_) with inFlood_ == stamp_.
  void Flood(int start);
  // Whether the finder answers anything after uncovering `start`. `local` is
  // set when the answer came from the cells at the flood alone, whatever the
  // rest of the board yields.
  bool Probe(int start, bool& local);
  bool Candidate(int j, int pass);
  // The real click, drawn; then the counts follow the shown layer.
  void Click(int start, bool last, int pass);

  bool Covered(int p) const { return shown_[p] != content_[p] && shown_[p] != cellMarked; }

  GameState& state_;
  CellPainter& painter_;

  std::uint16_t list_[kMaxCandidates];
  int m_ = 0;

  // The shown layer and the content, padded: the padding reads as a marked
  // cell without a mine, where a flood fill stops and nothing is counted.
  std::uint8_t content_[kPadSize];
  std::uint8_t shown_[kPadSize];
  std::uint32_t word_[kPadSize];
  std::uint32_t sum_[kPadSize];
  std::uint8_t yields_[kPadSize];  // 1 for number cells that let the finder name a cell
  int yieldingCells_ = 0;

  // The current trial: the flooded cells, and every cell beside one of them
  // with the number of flooded neighbours it has.
  std::uint32_t stamp_ = 0;
  std::uint32_t inFlood_[kPadSize];
  std::uint32_t touchedStamp_[kPadSize];
  std::uint8_t touched_[kPadSize];
  std::uint16_t flood_[kPadSize];
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
  std::memset(content_, 0, sizeof content_);
  std::memset(shown_, cellMarked, sizeof shown_);
  for (int r = 0; r < state_.Rows; ++r) {
    std::memcpy(content_ + Pad(0, r), content + r * kStride, state_.Cols);
    std::memcpy(shown_ + Pad(0, r), shown + r * kStride, state_.Cols);
  }
  // Row-major, as BuildCandidates: all covered mine-free cells, then the
  // covered zero cells again.
  m_ = 0;
  for (int r = 0; r < state_.Rows; ++r) {
    for (int p = Pad(0, r); p < Pad(state_.Cols, r); ++p) {
      if (content_[p] <= 8 && shown_[p] == cellCovered) list_[m_++] = static_cast<std::uint16_t>(p);
    }
  }
  const int firstPass = m_;
  for (int e = 0; e < firstPass; ++e) {
    if (content_[list_[e]] == 0) list_[m_++] = list_[e];
  }
  if (m_ == 0) return;

  counts::CountAll(state_, shown, word_, sum_);
  std::memset(yields_, 0, sizeof yields_);
  yieldingCells_ = 0;
  for (int r = 0; r < state_.Rows; ++r) {
    for (int p = Pad(0, r); p < Pad(state_.Cols, r); ++p) {
      if (shown_[p] <= 8 && Yields(shown_[p], sum_[p])) {
        yields_[p] = 1;
        ++yieldingCells_;
      }
    }
  }
  std::memset(inFlood_, 0, sizeof inFlood_);
  std::memset(touchedStamp_, 0, sizeof touchedStamp_);
  std::memset(localPass_, 0xff, sizeof localPass_);
  std::memset(changedNear_, 0xff, sizeof changedNear_);
  std::memset(zeroPass_, 0xff, sizeof zeroPass_);
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

bool ForcedMoveSearch::Probe(int start, bool& local) {
  Flood(start);
  local = false;
  if (floodCount_ == 0) return yieldingCells_ > 0;  // the trial changes nothing
  int aroundCount = 0;
  for (int f = 0; f < floodCount_; ++f) {
    const int p = flood_[f];
    for (const int d : kNeighbours) {
      const int q = p + d;
      if (touchedStamp_[q] != stamp_) {
        touchedStamp_[q] = stamp_;
        touched_[q] = 0;
        around_[aroundCount++] = static_cast<std::uint16_t>(q);
      }
      ++touched_[q];
    }
  }
  // The flooded cells show their numbers on the trial layer.
  for (int f = 0; f < floodCount_; ++f) {
    const int p = flood_[f];
    const int t = touchedStamp_[p] == stamp_ ? touched_[p] : 0;
    if (Yields(content_[p], sum_[p] + static_cast<std::uint32_t>(t) * kUncoveredNeighbour)) {
      local = true;
      return true;
    }
  }
  // Number cells away from the flood answer as on the shown layer.
  if (yieldingCells_ > 0) {
    int yieldingAround = 0;
    for (int a = 0; a < aroundCount; ++a) yieldingAround += yields_[around_[a]];
    if (yieldingCells_ > yieldingAround) return true;
  }
  local = true;
  for (int a = 0; a < aroundCount; ++a) {
    const int q = around_[a];
    if (shown_[q] > 8) continue;  // covered, marked, padding, or flooded
    if (Yields(shown_[q], sum_[q] + touched_[q] * kUncoveredNeighbour)) return true;
  }
  return false;
}

bool ForcedMoveSearch::Candidate(int j, int pass) {
  const int p = list_[j];
  bool local = false;
  if (!Covered(p)) return yieldingCells_ > 0;  // opened by an earlier click
  if (content_[p] == 0) {
    // Every covered zero of one area floods the same cells.
    if (zeroPass_[p] == pass) return zeroAnswer_[p] != 0;
    const bool answer = Probe(p, local);
    for (int f = 0; f < floodCount_; ++f) {
      const int q = flood_[f];
      if (content_[q] != 0) continue;
      zeroPass_[q] = static_cast<std::int16_t>(pass);
      zeroAnswer_[q] = answer ? 1 : 0;
    }
    return answer;
  }
  if (yieldingCells_ == 0 && localPass_[p] >= 0 && changedNear_[p + kMargin] < localPass_[p]) {
    return localAnswer_[p] != 0;
  }
  const bool answer = Probe(p, local);
  if (local) {
    localPass_[p] = static_cast<std::int16_t>(pass);
    localAnswer_[p] = answer ? 1 : 0;
  }
  return answer;
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
    word_[p] = counts::kResolved;
    for (const int d : kNeighbours) sum_[p + d] += kUncoveredNeighbour;
    for (int dr = -2; dr <= 2; ++dr) {
      for (int dc = -2; dc <= 2; ++dc) {
        changedNear_[p + kMargin + dr * kPadStride + dc] = static_cast<std::int16_t>(pass);
      }
    }
  }
  ++stamp_;
  for (int f = 0; f < floodCount_; ++f) {
    const int p = flood_[f];
    for (int n = -1; n < 8; ++n) {
      const int q = n < 0 ? p : p + kNeighbours[n];
      if (touchedStamp_[q] == stamp_) continue;
      touchedStamp_[q] = stamp_;
      const std::uint8_t now = shown_[q] <= 8 && Yields(shown_[q], sum_[q]) ? 1 : 0;
      yieldingCells_ += now - yields_[q];
      yields_[q] = now;
    }
  }
}

int ForcedMoveSearch::Run() {
  Start();
  for (int k = 0; k < m_; ++k) {
    bool found = false;
    int j = 0;
    for (; j < m_ - k; ++j) {
      if (Candidate(j, k)) {
        found = true;
        break;
      }
    }
    if (!found) j = m_ - k - 1;  // nothing found: the fallback walks backwards
    Click(list_[j], found, k);
    if (found) return k + 1;
  }
  return m_;
}

}  // namespace

void BuildCandidates(const GameState& state, CandidateList& list) {
  const std::uint8_t* content = state.board.layer(ContentLayer);
  const std::uint8_t* shown = state.board.layer(ShownLayer);
  const int total = state.Cols * state.Rows;
  list.count = 0;
  for (int n = 0; n < total; ++n) {
    const int i = n % state.Cols + n / state.Cols * kStride;
    if (content[i] <= 8 && shown[i] == cellCovered) {
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

int MakeForcedMove(GameState& state, CellPainter& painter) {
  ForcedMoveSearch search(state, painter);
  return search.Run();
}

}  // namespace brelvox
