#include "platform/random_seed.h"

#include <gtest/gtest.h>

#include <set>

namespace tessaro::test {
namespace {

// Seeds come from the kernel's pool: eight in a row are never all alike (the
// chance that two of them are is below one in 10^8).
TEST(RandomSeed, DiffersFromCallToCall) {
    std::set<uint32_t> seeds;
    for (int draw = 0; draw < 8; ++draw) {
        seeds.insert(randomSeed());
    }
    EXPECT_EQ(seeds.size(), 8u);
}

}  // namespace
}  // namespace tessaro::test
