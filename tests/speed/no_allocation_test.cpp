// SPDX-License-Identifier: GPL-3.0-or-later
// The solver works in fixed arrays: no call of the finder, the forced move or
// the hint command allocates memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "reference/play.h"
#include "bench/worst_cases.h"
#include "solver/forced_move.h"
#include "app/hint_command.h"
#include "solver/safe_move.h"

namespace {
long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace brelvox {
namespace {

TEST(Solver, AllocatesNothing) {
  // Openings, the positions of a played game and the kept hard ones.
  std::vector<GameState> positions;
  play::QuietHost host;
  for (int level = 0; level < kLevelCount; ++level) {
    GameState s = play::FreshBoard(level, 777u + static_cast<std::uint32_t>(level));
    positions.push_back(s);
    for (int hint = 0; hint < 400 && !s.GameOver; ++hint) {
      MakeForcedMove(s, host);
      play::MakeSafeMoves(s, host);
      if (!s.GameOver) positions.push_back(s);
    }
  }
  for (const play::Position& p : bench::kWorstCases) positions.push_back(play::LoadPosition(p));
  positions.reserve(positions.size() * 3);
  const std::size_t count = positions.size();
  for (std::size_t i = 0; i < count; ++i) {
    positions.push_back(positions[i]);
    positions.push_back(positions[i]);
  }
  ASSERT_GT(count, 20u);

  const long before = allocations;
  for (std::size_t i = 0; i < count; ++i) {
    int col = 0;
    int row = 0;
    FindSafeMove(positions[i], ShownLayer, col, row);
    MakeForcedMove(positions[i], host);
    GiveHint(positions[count + i], host);
    RunHintCommand(positions[2 * count + i], host);
    for (int tick = 0; tick < 10; ++tick) StepHintAnimation(positions[2 * count + i], host);
  }
  EXPECT_EQ(allocations - before, 0);

  // The counting itself works.
  const long probe = allocations;
  positions.push_back(positions[0]);
  positions.shrink_to_fit();
  EXPECT_GT(allocations, probe);
}

}  // namespace
}  // namespace brelvox
