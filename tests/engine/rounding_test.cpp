#include "engine/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <vector>

namespace tessaro::test {
namespace {

// Both helpers stand in for libm; they must give its results everywhere,
// halves, the largest double below one half and whole-only magnitudes included.
TEST(Rounding, MatchesLibm) {
    const double halves[] = {0.5, 1.5, 2.5, 3.5, 12.5, 18.5, 19.5, 1e6 + 0.5, -0.5, -1.5, -2.5};
    const double others[] = {
        0.0, 0.25, 0.75, 18.4999, -2.75, 0.49999999999999994, -0.49999999999999994};
    const double wholeOnly[] = {0x1p52 - 0.5, 0x1p52 + 1.0, 0x1p53 + 2.0, -0x1p52 - 1.0, 4.6e16};
    std::vector<double> values(std::begin(halves), std::end(halves));
    values.insert(values.end(), std::begin(others), std::end(others));
    values.insert(values.end(), std::begin(wholeOnly), std::end(wholeOnly));
    for (double value : values) {
        EXPECT_EQ(roundHalfAwayFromZero(value), std::lround(value)) << value;
        EXPECT_EQ(roundHalfToEven(value), std::nearbyint(value)) << value;
    }
}

}  // namespace
}  // namespace tessaro::test
