#include "settings/local_time.h"

#include <ctime>

namespace tessaro {

int32_t currentLocalTimestamp() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return static_cast<int32_t>(now);
    }
    // timegm reads the local calendar fields as if they were UTC, which turns
    // them into seconds counted on the local wall clock.
    return static_cast<int32_t>(timegm(&local));
}

}  // namespace tessaro
