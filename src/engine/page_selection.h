#pragma once

#include <cstdint>
#include <random>

namespace tessaro {

// The pages a conversion takes, first to last inclusive (indexes from 0).
struct PageRange {
    int32_t first = 0;
    int32_t last = 0;
};

// The pages "ICO Frame Loading" selects from `pageCount` (at least 1): all
// (0, and any unknown value), the first (1), the middle (2: ceil(n / 2) - 1),
// the last (3) or one drawn uniformly with `random` (4).
PageRange selectPages(int32_t icoFrameLoading, int32_t pageCount, std::mt19937& random);

}  // namespace tessaro
