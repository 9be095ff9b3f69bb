#pragma once

#include <cstdint>

namespace tessaro {

// A byte field given a number keeps only its low eight bits, read as a signed
// byte: 200 becomes -56 and 256 becomes 0. Options, profiles and the
// preferences file all store numbers into byte fields through this.
constexpr int8_t keepLowByte(int64_t value) {
    return static_cast<int8_t>(static_cast<uint8_t>(static_cast<uint64_t>(value) & 0xFFu));
}

}  // namespace tessaro
