#pragma once

#include <cmath>
#include <cstdint>

namespace tessaro {

// Rounding to whole numbers as lround and nearbyint do, without calling libm:
// the executable then needs no libm of its own, so at start-up the loader does
// not search libm before libc for each of the thousands of symbols FreeImage's
// libraries bind (about 1 % of a plain conversion). Values must be finite.

// The nearest whole number, halves away from zero: 2.5 gives 3, -2.5 gives -3.
inline int64_t roundHalfAwayFromZero(double value) {
    const auto whole = static_cast<int64_t>(value);  // towards zero
    // Exact: the difference keeps the low bits of `value`.
    const double fraction = value - static_cast<double>(whole);
    if (fraction >= 0.5) {
        return whole + 1;
    }
    if (fraction <= -0.5) {
        return whole - 1;
    }
    return whole;
}

// The nearest whole number, halves to the even neighbour: 2.5 gives 2, 3.5
// gives 4 (the default rounding mode).
inline double roundHalfToEven(double value) {
    // From 2^52 on every double is whole.
    if (std::fabs(value) >= 0x1p52) {
        return value;
    }
    const auto whole = static_cast<int64_t>(value);
    const double fraction = value - static_cast<double>(whole);
    const bool odd = whole % 2 != 0;
    if (fraction > 0.5 || (fraction == 0.5 && odd)) {
        return static_cast<double>(whole + 1);
    }
    if (fraction < -0.5 || (fraction == -0.5 && odd)) {
        return static_cast<double>(whole - 1);
    }
    return static_cast<double>(whole);
}

}  // namespace tessaro
