#pragma once

#include <cstdint>

namespace tessaro {

// The current moment as stored in date fields: seconds from 1970-01-01
// 00:00:00 to now, both read as local wall-clock time (so the local UTC
// offset is part of the number).
int32_t currentLocalTimestamp();

}  // namespace tessaro
