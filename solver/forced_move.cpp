#include "solver/forced_move.h"

#include <cstring>

#include "game/reveal.h"

namespace brelvox {
namespace {

// What the finder counts around one number cell, and whether one of its two
// rules names a cell from there:
//   missing  - the number less the correctly marked neighbours;
//   resolved - neighbour positions off the board, correctly marked or uncovered;
//   safe     - neighbours without a mine that are covered or marked;
//   mines    - covered neighbours that hold a mine.
// Uncovering a neighbour moves one from `safe` to `resolved`; nothing else a
// forced move does changes the counts.
inline bool Yields(int missing, int resolved, int safe, int mines) {
  if (missing == 0) return safe > 0;
  return 8 - resolved == missing && mines > 0;
}

// The working data of one forced move. Cells are addressed by their index in
// the cell store (col + row * kStride). Counts are kept for the cells that are
// uncovered on the shown layer; a trial uncovering is a flood fill into a
// stamped set, after which only the cells in the set and their neighbours can
// answer differently from the shown layer.
class ForcedMoveSearch {
 public:
  ForcedMoveSearch(GameState& state, CellPainter& painter)
      : state_(state),
        painter_(painter),
        content_(state.board.layer(ContentLayer)),
        shown_(state.board.layer(ShownLayer)),
        cols_(state.Cols),
        rows_(state.Rows) {}

  int Run();

 private:
  void BuildList();
  void CountAll();
  // Recounts one cell of the shown layer and keeps the total of yielding cells.
  void Recount(int i);
  // Flood fill from `start` as an uncovering would do it on the shown layer,
  // into flood_[0 .. floodCount_) with inFlood_ == stamp_.
  void Flood(int start);
  // Whether the finder answers anything after uncovering `start`. `local` is
  // set when the answer came from the cells around the flood alone (it does
  // not depend on yielding cells elsewhere).
  bool Probe(int start, bool& local);
  bool Candidate(int j, int pass);
  // The real click, drawn; then the counts follow the shown layer.
  void Click(int start, bool last, int pass);

  bool Uncovered(int i) const { return shown_[i] == content_[i]; }
  bool InArea(int c, int r) const { return c >= 0 && r >= 0 && c < cols_ && r < rows_; }

  GameState& state_;
  CellPainter& painter_;
  const std::uint8_t* content_;
  std::uint8_t* shown_;
  const int cols_;
  const int rows_;

  std::uint16_t list_[kMaxCandidates];
  int m_ = 0;

  // Counts per uncovered cell of the shown layer (see Yields).
  std::uint8_t missing_[kLayerSize];
  std::uint8_t resolved_[kLayerSize];
  std::uint8_t safe_[kLayerSize];
  std::uint8_t mines_[kLayerSize];
  std::uint8_t yields_[kLayerSize];  // 0 for covered and marked cells
  int yieldingCells_ = 0;

  // The current trial: the flooded cells and the number cells around them.
  std::uint32_t stamp_ = 0;
  std::uint32_t inFlood_[kLayerSize];
  std::uint32_t inBorder_[kLayerSize];
  std::uint8_t touched_[kLayerSize];  // flooded neighbours of a border cell
  std::uint16_t flood_[kLayerSize];
  std::uint16_t border_[kLayerSize];
  int floodCount_ = 0;

  // Answers kept between trials. A number candidate's local answer holds
  // until the shown layer changes within two cells of it (changedNear_ is the
  // last pass whose click did so). A zero candidate's answer holds for its
  // whole zero area until the end of the pass.
  std::int16_t localPass_[kLayerSize];
  std::uint8_t localAnswer_[kLayerSize];
  std::int16_t changedNear_[kLayerSize];
  std::int16_t zeroPass_[kLayerSize];
  std::uint8_t zeroAnswer_[kLayerSize];
};

void ForcedMoveSearch::BuildList() {
  // Row-major, as BuildCandidates: all covered mine-free cells, then the
  // covered zero cells again.
  m_ = 0;
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      const int i = c + r * kStride;
      if (content_[i] <= 8 && shown_[i] == cellCovered) list_[m_++] = static_cast<std::uint16_t>(i);
    }
  }
  const int firstPass = m_;
  for (int e = 0; e < firstPass; ++e) {
    if (content_[list_[e]] == 0) list_[m_++] = list_[e];
  }
}

void ForcedMoveSearch::Recount(int i) {
  const int v = shown_[i];
  yieldingCells_ -= yields_[i];
  if (v > 8) {
    yields_[i] = 0;
    return;
  }
  const int c = i % kStride;
  const int r = i / kStride;
  int missing = v;
  int resolved = 0;
  int safe = 0;
  int mines = 0;
  for (int nc = c - 1; nc <= c + 1; ++nc) {
    for (int nr = r - 1; nr <= r + 1; ++nr) {
      if (nc == c && nr == r) continue;
      if (!InArea(nc, nr)) {
        ++resolved;
        continue;
      }
      const int n = nc + nr * kStride;
      const int code = shown_[n];
      if (content_[n] == cellMine) {
        if (code == cellMarked) {
          ++resolved;
          --missing;
        } else if (code == cellCovered) {
          ++mines;
        }
      } else if (code <= 8) {
        ++resolved;
      } else {
        ++safe;
      }
    }
  }
  missing_[i] = static_cast<std::uint8_t>(missing);
  resolved_[i] = static_cast<std::uint8_t>(resolved);
  safe_[i] = static_cast<std::uint8_t>(safe);
  mines_[i] = static_cast<std::uint8_t>(mines);
  yields_[i] = Yields(missing, resolved, safe, mines) ? 1 : 0;
  yieldingCells_ += yields_[i];
}

void ForcedMoveSearch::CountAll() {
  yieldingCells_ = 0;
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < cols_; ++c) {
      const int i = c + r * kStride;
      yields_[i] = 0;
      if (shown_[i] <= 8) Recount(i);
    }
  }
}

void ForcedMoveSearch::Flood(int start) {
  ++stamp_;
  floodCount_ = 0;
  // Uncovering stops at marked and at uncovered cells; it spreads from zeros.
  if (shown_[start] == cellMarked || Uncovered(start)) return;
  inFlood_[start] = stamp_;
  flood_[floodCount_++] = static_cast<std::uint16_t>(start);
  for (int next = 0; next < floodCount_; ++next) {
    const int i = flood_[next];
    if (content_[i] != 0) continue;
    const int c = i % kStride;
    const int r = i / kStride;
    for (int nc = c - 1; nc <= c + 1; ++nc) {
      for (int nr = r - 1; nr <= r + 1; ++nr) {
        if (!InArea(nc, nr)) continue;
        const int n = nc + nr * kStride;
        if (inFlood_[n] == stamp_ || shown_[n] == cellMarked || Uncovered(n)) continue;
        inFlood_[n] = stamp_;
        flood_[floodCount_++] = static_cast<std::uint16_t>(n);
      }
    }
  }
}

bool ForcedMoveSearch::Probe(int start, bool& local) {
  Flood(start);
  local = false;
  if (floodCount_ == 0) return yieldingCells_ > 0;  // the trial changes nothing
  int borderCount = 0;
  // The flooded cells, counted on the trial layer; meanwhile collect the
  // uncovered cells around them with how many flooded neighbours each has.
  for (int f = 0; f < floodCount_; ++f) {
    const int i = flood_[f];
    const int c = i % kStride;
    const int r = i / kStride;
    int missing = content_[i];
    int resolved = 0;
    int safe = 0;
    int mines = 0;
    for (int nc = c - 1; nc <= c + 1; ++nc) {
      for (int nr = r - 1; nr <= r + 1; ++nr) {
        if (nc == c && nr == r) continue;
        if (!InArea(nc, nr)) {
          ++resolved;
          continue;
        }
        const int n = nc + nr * kStride;
        if (inFlood_[n] == stamp_) {
          ++resolved;  // uncovered by the trial, and never a mine
          continue;
        }
        const int code = shown_[n];
        if (content_[n] == cellMine) {
          if (code == cellMarked) {
            ++resolved;
            --missing;
          } else if (code == cellCovered) {
            ++mines;
          }
        } else if (code <= 8) {
          ++resolved;
          if (inBorder_[n] != stamp_) {
            inBorder_[n] = stamp_;
            touched_[n] = 0;
            border_[borderCount++] = static_cast<std::uint16_t>(n);
          }
          ++touched_[n];
        } else {
          ++safe;
        }
      }
    }
    if (Yields(missing, resolved, safe, mines)) {
      local = true;
      return true;
    }
  }
  // Cells beyond the border answer as on the shown layer.
  if (yieldingCells_ > 0) {
    int yieldingInBorder = 0;
    for (int b = 0; b < borderCount; ++b) yieldingInBorder += yields_[border_[b]];
    if (yieldingCells_ > yieldingInBorder) return true;
  }
  local = true;
  for (int b = 0; b < borderCount; ++b) {
    const int n = border_[b];
    const int t = touched_[n];
    if (Yields(missing_[n], resolved_[n] + t, safe_[n] - t, mines_[n])) return true;
  }
  return false;
}

bool ForcedMoveSearch::Candidate(int j, int pass) {
  const int i = list_[j];
  bool local = false;
  if (Uncovered(i)) return yieldingCells_ > 0;
  if (content_[i] == 0) {
    // Every covered zero of one area floods the same cells.
    if (zeroPass_[i] == pass) return zeroAnswer_[i] != 0;
    const bool answer = Probe(i, local);
    for (int f = 0; f < floodCount_; ++f) {
      const int n = flood_[f];
      if (content_[n] != 0) continue;
      zeroPass_[n] = static_cast<std::int16_t>(pass);
      zeroAnswer_[n] = answer ? 1 : 0;
    }
    return answer;
  }
  if (yieldingCells_ == 0 && localPass_[i] >= 0 && changedNear_[i] < localPass_[i]) {
    return localAnswer_[i] != 0;
  }
  const bool answer = Probe(i, local);
  if (local) {
    localPass_[i] = static_cast<std::int16_t>(pass);
    localAnswer_[i] = answer ? 1 : 0;
  }
  return answer;
}

void ForcedMoveSearch::Click(int start, bool last, int pass) {
  if (last) {
    RevealCell(state_, start % kStride, start / kStride, true, ShownLayer, painter_);
    return;
  }
  Flood(start);
  RevealCell(state_, start % kStride, start / kStride, true, ShownLayer, painter_);
  // Recount the changed cells and their neighbours, and forget the local
  // answers of candidates within two cells of a change.
  ++stamp_;
  for (int f = 0; f < floodCount_; ++f) {
    const int i = flood_[f];
    const int c = i % kStride;
    const int r = i / kStride;
    for (int nc = c - 2; nc <= c + 2; ++nc) {
      for (int nr = r - 2; nr <= r + 2; ++nr) {
        if (!InArea(nc, nr)) continue;
        const int n = nc + nr * kStride;
        changedNear_[n] = static_cast<std::int16_t>(pass);
        if (nc < c - 1 || nc > c + 1 || nr < r - 1 || nr > r + 1) continue;
        if (inBorder_[n] == stamp_) continue;
        inBorder_[n] = stamp_;
        Recount(n);
      }
    }
  }
}

int ForcedMoveSearch::Run() {
  BuildList();
  if (m_ == 0) return 0;
  CountAll();
  std::memset(inFlood_, 0, sizeof inFlood_);
  std::memset(inBorder_, 0, sizeof inBorder_);
  std::memset(localPass_, 0xff, sizeof localPass_);
  std::memset(changedNear_, 0xff, sizeof changedNear_);
  std::memset(zeroPass_, 0xff, sizeof zeroPass_);
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
