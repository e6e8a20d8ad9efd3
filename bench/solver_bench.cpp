// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the solver and the hint command.
//
//   brelvox-bench [google benchmark flags]
//
// Timed one position at a time, the *_each benchmarks also report the median,
// the 99th percentile and the maximum over their positions (in µs).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "reference/play.h"
#include "bench/worst_cases.h"
#include "game/reveal.h"
#include "solver/forced_move.h"
#include "reference/forced_move_reference.h"
#include "app/hint_command.h"
#include "solver/safe_move.h"

namespace brelvox {
namespace {

constexpr int kSeeds = 1000;

std::uint32_t Seed(int level, int i) {
  return static_cast<std::uint32_t>(i) * 2654435761u + static_cast<std::uint32_t>(level) * 977u + 5;
}

// The positions at which the careful player asks for a hint, from `games` games.
const std::vector<GameState>& HintPositions(int level) {
  static std::vector<GameState> positions[4];
  std::vector<GameState>& v = positions[level];
  if (!v.empty()) return v;
  play::QuietHost host;
  for (int g = 0; g < 100; ++g) {
    GameState s = play::FreshBoard(level, Seed(level, g));
    while (!s.GameOver) {
      v.push_back(s);
      const Board before = s.board;
      MakeForcedMove(s, host);
      if (s.board.cells == before.cells && !play::MarkTheRest(s, host)) break;
      play::MakeSafeMoves(s, host);
    }
  }
  return v;
}

// Per-position times: the aggregate counters of one benchmark.
class Times {
 public:
  explicit Times(std::size_t n) { seconds_.reserve(n); }
  template <typename F>
  void Time(benchmark::State& state, F&& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    state.SetIterationTime(s);
    if (seconds_.size() < seconds_.capacity()) seconds_.push_back(s);
  }
  void Report(benchmark::State& state) {
    if (seconds_.empty()) return;
    std::sort(seconds_.begin(), seconds_.end());
    const auto at = [&](double q) {
      return seconds_[std::min(
                 seconds_.size() - 1,
                 static_cast<std::size_t>(q * static_cast<double>(seconds_.size())))] *
             1e6;
    };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = seconds_.back() * 1e6;
  }

 private:
  std::vector<double> seconds_;
};

void BM_FindSafeMove(benchmark::State& state) {
  const auto& positions = HintPositions(static_cast<int>(state.range(0)));
  std::size_t i = 0;
  for (auto _ : state) {
    int col = 0;
    int row = 0;
    benchmark::DoNotOptimize(FindSafeMove(positions[i], ShownLayer, col, row));
    if (++i == positions.size()) i = 0;
  }
}
BENCHMARK(BM_FindSafeMove)->DenseRange(0, 3);

// The plain finder on the same positions.
void BM_FindSafeMoveReference(benchmark::State& state) {
  const auto& positions = HintPositions(static_cast<int>(state.range(0)));
  std::size_t i = 0;
  for (auto _ : state) {
    int col = 0;
    int row = 0;
    benchmark::DoNotOptimize(FindSafeMoveReference(positions[i], ShownLayer, col, row));
    if (++i == positions.size()) i = 0;
  }
}
BENCHMARK(BM_FindSafeMoveReference)->DenseRange(0, 3);

// The same on one position again and again, its board in the cache: from the
// middle of the list, the first with at least half the board uncovered.
void BM_FindSafeMove_onePosition(benchmark::State& state) {
  const auto& positions = HintPositions(static_cast<int>(state.range(0)));
  std::size_t i = positions.size() / 2;
  const auto uncovered = [](const GameState& s) {
    int n = 0;
    for (int c = 0; c < s.Cols; ++c) {
      for (int r = 0; r < s.Rows; ++r) n += IsNumber(s.board.at(ShownLayer, c, r));
    }
    return n;
  };
  while (i + 1 < positions.size() &&
         2 * uncovered(positions[i]) < positions[i].Cols * positions[i].Rows) {
    ++i;
  }
  const GameState& s = positions[i];
  for (auto _ : state) {
    int col = 0;
    int row = 0;
    benchmark::DoNotOptimize(FindSafeMove(s, ShownLayer, col, row));
  }
}
BENCHMARK(BM_FindSafeMove_onePosition)->DenseRange(0, 3);

// The first uncovering of a fresh board at its first zero cell.
void BM_RevealFlood(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  std::vector<GameState> boards;
  std::vector<int> zeros;
  for (int i = 0; boards.size() < 256; ++i) {
    GameState s = play::FreshBoard(level, Seed(level, i));
    for (int n = 0; n < s.Cols * s.Rows; ++n) {
      if (s.board.at(ContentLayer, n % s.Cols, n / s.Cols) == 0) {
        boards.push_back(s);
        zeros.push_back(n);
        break;
      }
    }
  }
  play::QuietHost host;
  std::size_t i = 0;
  long cells = 0;
  for (auto _ : state) {
    GameState& s = boards[i];
    std::memset(s.board.layer(ProbeLayer), cellCovered, kLayerSize);
    RevealCell(s, zeros[i] % s.Cols, zeros[i] / s.Cols, true, ProbeLayer, host);
    benchmark::DoNotOptimize(s.board.layer(ProbeLayer)[0]);
    if (++i == boards.size()) i = 0;
  }
  for (std::size_t b = 0; b < boards.size(); ++b) {
    for (int n = 0; n < kLayerSize; ++n)
      cells += boards[b].board.layer(ProbeLayer)[n] != cellCovered;
  }
  state.counters["cells_per_fill"] =
      static_cast<double>(cells) / static_cast<double>(boards.size());
}
BENCHMARK(BM_RevealFlood)->DenseRange(0, 3);

// The opening move (the hint command on a fresh board), one seed at a time,
// each timed as the quickest of three runs.
void BM_OpeningMove_each(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  std::vector<GameState> boards;
  for (int i = 0; i < kSeeds; ++i) boards.push_back(play::FreshBoard(level, Seed(level, i)));
  play::QuietHost host;
  std::vector<double> seconds;
  std::size_t i = 0;
  GameState s;
  for (auto _ : state) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
      s = boards[i];
      const auto t0 = std::chrono::steady_clock::now();
      RunHintCommand(s, host);
      best = std::min(best,
                      std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    state.SetIterationTime(best);
    seconds.push_back(best);
    if (++i == boards.size()) i = 0;
  }
  std::sort(seconds.begin(), seconds.end());
  state.counters["median_us"] = seconds[seconds.size() / 2] * 1e6;
  state.counters["p99_us"] = seconds[seconds.size() * 99 / 100] * 1e6;
  state.counters["max_us"] = seconds.back() * 1e6;
}
BENCHMARK(BM_OpeningMove_each)->DenseRange(0, 3)->UseManualTime()->Iterations(kSeeds);

// Every hint of 100 careful games, fast search and plain search on the same
// positions, one position at a time.
template <bool kReference>
void BM_HintPositions_each(benchmark::State& state) {
  const auto& positions = HintPositions(static_cast<int>(state.range(0)));
  play::QuietHost host;
  Times times(positions.size());
  std::size_t i = 0;
  GameState s;
  for (auto _ : state) {
    s = positions[i];
    times.Time(state, [&] {
      if (kReference) {
        MakeForcedMoveReference(s, host);
      } else {
        MakeForcedMove(s, host);
      }
    });
    if (++i == positions.size()) i = 0;
  }
  times.Report(state);
  state.counters["positions"] = static_cast<double>(positions.size());
}
void BM_ForcedMove_each(benchmark::State& state) {
  BM_HintPositions_each<false>(state);
}
void BM_ForcedMoveReference_each(benchmark::State& state) {
  BM_HintPositions_each<true>(state);
}
BENCHMARK(BM_ForcedMove_each)->DenseRange(0, 3)->UseManualTime();
BENCHMARK(BM_ForcedMoveReference_each)->DenseRange(0, 3)->UseManualTime();

// Both searches on every hint position of 100 games, each timed as the
// quickest of three runs, side by side: the medians of both, and the median
// and least of the speed-ups position by position.
void BM_FastAgainstReference(benchmark::State& state) {
  const auto& positions = HintPositions(static_cast<int>(state.range(0)));
  play::QuietHost host;
  std::vector<double> fast;
  std::vector<double> slow;
  std::vector<double> ratio;
  for (auto _ : state) {
    fast.clear();
    slow.clear();
    ratio.clear();
    for (const GameState& position : positions) {
      double best[2] = {1e9, 1e9};
      for (int run = 0; run < 3; ++run) {
        for (int which = 0; which < 2; ++which) {
          GameState s = position;
          const auto t0 = std::chrono::steady_clock::now();
          if (which == 0) {
            MakeForcedMove(s, host);
          } else {
            MakeForcedMoveReference(s, host);
          }
          const auto t1 = std::chrono::steady_clock::now();
          best[which] = std::min(best[which], std::chrono::duration<double>(t1 - t0).count());
        }
      }
      fast.push_back(best[0]);
      slow.push_back(best[1]);
      ratio.push_back(best[1] / best[0]);
    }
  }
  const auto median = [](std::vector<double>& v) {
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
  };
  state.counters["fast_median_us"] = median(fast) * 1e6;
  state.counters["reference_median_us"] = median(slow) * 1e6;
  state.counters["speedup_median"] = median(ratio);
  state.counters["speedup_least"] = *std::min_element(ratio.begin(), ratio.end());
  state.counters["positions"] = static_cast<double>(positions.size());
}
BENCHMARK(BM_FastAgainstReference)->DenseRange(0, 3)->Iterations(1)->Unit(benchmark::kMillisecond);

// The kept hard positions, each on its own: the forced move of this program
// and the plain one, and the whole hint command (finder, forced move, end of
// game evaluation).
template <bool kReference>
void BM_WorstCase(benchmark::State& state) {
  const GameState start = play::LoadPosition(bench::kWorstCases[state.range(0)]);
  play::QuietHost host;
  GameState s;
  int clicks = 0;
  for (auto _ : state) {
    s = start;
    clicks = kReference ? MakeForcedMoveReference(s, host) : MakeForcedMove(s, host);
    benchmark::DoNotOptimize(s.board.cells[0]);
  }
  state.counters["clicks"] = clicks;
}
void BM_WorstCase_fast(benchmark::State& state) {
  BM_WorstCase<false>(state);
}
void BM_WorstCase_reference(benchmark::State& state) {
  BM_WorstCase<true>(state);
}
void BM_WorstCase_hint(benchmark::State& state) {
  const GameState start = play::LoadPosition(bench::kWorstCases[state.range(0)]);
  play::QuietHost host;
  GameState s;
  for (auto _ : state) {
    s = start;
    RunHintCommand(s, host);
    benchmark::DoNotOptimize(s.board.cells[0]);
  }
}
constexpr int kWorstCount = static_cast<int>(std::size(bench::kWorstCases));
BENCHMARK(BM_WorstCase_fast)->DenseRange(0, kWorstCount - 1);
BENCHMARK(BM_WorstCase_reference)->DenseRange(0, kWorstCount - 1);
BENCHMARK(BM_WorstCase_hint)->DenseRange(0, kWorstCount - 1);

// A whole game of the careful player, who asks for a hint whenever the
// finder allows no move.
void BM_HintDrivenGame(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  int g = 0;
  long hints = 0;
  for (auto _ : state) {
    const play::GameReport r = play::PlayGame(level, Seed(level, g++ % kSeeds));
    hints += r.hints;
    benchmark::DoNotOptimize(r);
  }
  state.counters["hints_per_game"] = static_cast<double>(hints) / static_cast<double>(g);
}
BENCHMARK(BM_HintDrivenGame)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brelvox

BENCHMARK_MAIN();
