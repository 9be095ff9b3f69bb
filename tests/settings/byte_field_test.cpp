#include <gtest/gtest.h>

#include "settings/byte_field.h"

namespace tessaro::test {
namespace {

TEST(ByteField, KeepsTheLowEightBits) {
    struct Case {
        int64_t value;
        int8_t stored;
    };
    const Case cases[] = {
        {0, 0},          {127, 127}, {-128, -128}, {128, -128},           {200, -56},
        {255, -1},       {256, 0},   {257, 1},     {-129, 127},           {-1, -1},
        {1000, -24},     {65541, 5}, {-256, 0},    {INT64_C(1) << 40, 0}, {INT32_MIN, 0},
        {INT32_MAX, -1},
    };
    for (const Case& row : cases) {
        EXPECT_EQ(keepLowByte(row.value), row.stored) << row.value;
    }
}

}  // namespace
}  // namespace tessaro::test
