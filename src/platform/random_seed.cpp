#include "platform/random_seed.h"

#include <sys/random.h>
#include <unistd.h>

#include <chrono>

namespace tessaro {

uint32_t randomSeed() {
    uint32_t seed = 0;
    if (getrandom(&seed, sizeof seed, GRND_NONBLOCK) == sizeof seed) {
        return seed;
    }
    // Before the pool is ready (early boot) the clock and the process id
    // still differ from run to run.
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(ticks) ^ static_cast<uint32_t>(ticks >> 32) ^
           static_cast<uint32_t>(getpid());
}

}  // namespace tessaro
