// SPDX-License-Identifier: GPL-3.0-or-later
// Plays many hint-driven games per level and reports how the hint command
// did: every game must be won without a charged hint.
//
//   brelvox-autoplay [games per level] [first seed] [levels, e.g. 0123]
//   brelvox-autoplay --worst <games> <first seed> <levels> <keep>
//
// The second form prints the positions before the forced moves on which the
// plain search took longest, as Position initializers.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "reference/play.h"
#include "solver/forced_move.h"
#include "reference/forced_move_reference.h"
#include "solver/safe_move.h"

namespace {

using brelvox::GameState;
namespace play = brelvox::play;

std::uint32_t SeedOf(int level, std::uint32_t seed) {
  return seed * 2654435761u + static_cast<std::uint32_t>(level) * 40503u + 1u;
}

double Quantile(std::vector<double>& v, double q) {
  if (v.empty()) return 0;
  const std::size_t k = std::min(v.size() - 1, static_cast<std::size_t>(q * (v.size() - 1) + 0.5));
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
  return v[k];
}

void Report(int games, std::uint32_t firstSeed, const std::string& levels) {
  std::printf("%d games per level, seeds %u..%u\n", games, firstSeed,
              firstSeed + static_cast<std::uint32_t>(games) - 1);
  std::printf(
      "level   won  charged  stuck  clicks/game mean  max  hints  hint µs: median     p99"
      "       max  games/s\n");
  for (const char ch : levels) {
    const int level = ch - '0';
    std::vector<double> hintSeconds;
    hintSeconds.reserve(static_cast<std::size_t>(games) * 64);
    int won = 0;
    long charged = 0;
    long stuck = 0;
    long clicks = 0;
    int maxClicks = 0;
    const auto t0 = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
      const play::GameReport r = play::PlayGame(
          level, SeedOf(level, firstSeed + static_cast<std::uint32_t>(g)), &hintSeconds);
      won += r.won ? 1 : 0;
      charged += r.charged;
      stuck += r.markedRest;
      clicks += r.forcedClicks;
      maxClicks = std::max(maxClicks, r.forcedClicks);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double maxHint =
        hintSeconds.empty() ? 0 : *std::max_element(hintSeconds.begin(), hintSeconds.end());
    const std::size_t hints = hintSeconds.size();
    const double median = Quantile(hintSeconds, 0.5);
    const double p99 = Quantile(hintSeconds, 0.99);
    std::printf("%5d %5d %8ld %6ld %17.2f %4d %6zu %15.2f %7.2f %9.2f %8.0f\n", level, won, charged,
                stuck, static_cast<double>(clicks) / games, maxClicks, hints, median * 1e6,
                p99 * 1e6, maxHint * 1e6, games / seconds);
  }
}

struct Found {
  int clicks;
  double seconds;  // the plain search
  double fastSeconds;
  int level;
  std::uint32_t seed;
  std::string text;
};

// Replays the careful player's games and keeps the positions whose forced
// move took the most clicks, then the longest.
void Worst(int games, std::uint32_t firstSeed, const std::string& levels, int keep) {
  std::vector<Found> found;
  play::QuietHost host;
  for (const char ch : levels) {
    const int level = ch - '0';
    for (int g = 0; g < games; ++g) {
      const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(g);
      GameState s = play::FreshBoard(level, SeedOf(level, seed));
      while (!s.GameOver) {
        int col = 0;
        int row = 0;
        if (brelvox::FindSafeMove(s, brelvox::ShownLayer, col, row) != brelvox::moveNone) break;
        const brelvox::Board before = s.board;
        GameState copy = s;
        double slow = 1e9;
        double fast = 1e9;
        int clicks = 0;
        for (int run = 0; run < 3; ++run) {  // the quickest of three runs
          copy = s;
          auto t0 = std::chrono::steady_clock::now();
          brelvox::MakeForcedMoveReference(copy, host);
          slow = std::min(
              slow, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
          copy = s;
          t0 = std::chrono::steady_clock::now();
          clicks = brelvox::MakeForcedMove(copy, host);
          fast = std::min(
              fast, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        }
        if (static_cast<int>(found.size()) < keep || slow > found.back().seconds) {
          found.push_back({clicks, slow, fast, level, seed, play::PositionText(s)});
          std::sort(found.begin(), found.end(),
                    [](const Found& a, const Found& b) { return a.seconds > b.seconds; });
          if (static_cast<int>(found.size()) > keep) found.pop_back();
        }
        s = copy;
        if (s.board.cells == before.cells && !play::MarkTheRest(s, host)) break;
        play::MakeSafeMoves(s, host);
      }
    }
  }
  for (const Found& f : found) {
    std::printf(
        "    // level %d, seed %u: %d clicks; plain search %.1f µs, this one %.1f µs\n"
        "    {%d,\n     {\n%s     }},\n",
        f.level, f.seed, f.clicks, f.seconds * 1e6, f.fastSeconds * 1e6, f.level, f.text.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "--worst") {
    const int games = args.size() > 1 ? std::atoi(args[1].c_str()) : 1000;
    const auto seed = static_cast<std::uint32_t>(args.size() > 2 ? std::atol(args[2].c_str()) : 1);
    const std::string levels = args.size() > 3 ? args[3] : "23";
    const int keep = args.size() > 4 ? std::atoi(args[4].c_str()) : 8;
    Worst(games, seed, levels, keep);
    return 0;
  }
  const int games = !args.empty() ? std::atoi(args[0].c_str()) : 1000;
  const auto seed = static_cast<std::uint32_t>(args.size() > 1 ? std::atol(args[1].c_str()) : 1);
  const std::string levels = args.size() > 2 ? args[2] : "0123";
  Report(games, seed, levels);
  return 0;
}
