// Positions on which the forced-move search works hardest, found by playing
// many games; kept for the benchmarks and the comparison tests.
#pragma once

#include "bench/play.h"

namespace brelvox::bench {

inline constexpr play::Position kWorstCases[] = {
    {0,
     {"*.......", "........", "........", "........", "........", "........", "........",
      "......**"}},
};

}  // namespace brelvox::bench
