#include "platform/process_ending.h"

#include <atomic>

namespace tessaro {

namespace {

std::atomic<bool> ending = false;

}  // namespace

void markProcessEnding() {
    ending.store(true);
}

bool processEnding() {
    return ending.load();
}

}  // namespace tessaro
