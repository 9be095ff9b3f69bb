#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "engine/convert_image.h"

namespace tessaro {

// Shared between a run and its worker; every access goes through progressLock,
// except the worker's own reads of `running` and `paused` before each file.
struct JobProgress {
    std::mutex progressLock;
    int32_t processedCount = 0;
    std::string currentFile;
    int32_t convertedCount = 0;
    std::vector<FailedPage> failedPages;  // of every file so far, in the order met
    int8_t finished = 0;              // 1 once the worker has stored its result
    std::atomic<int8_t> running = 0;  // 1 while the worker may go on
    std::atomic<int8_t> paused = 0;   // 1 holds the worker before its next file
};

}  // namespace tessaro
