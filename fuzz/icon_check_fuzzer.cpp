// Feeds bytes to the icon directory check, which runs before the decoder
// sees any file and so must hold on anything.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "engine/icon_check.h"

namespace {

constexpr std::size_t inputLimit = 1 << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > inputLimit) {
        return 0;
    }
    const tessaro::IconCheck check = tessaro::checkIcon(std::span<const uint8_t>(data, size));
    // A refused directory must leave no page that could reach the decoder.
    if (!check.valid() && !check.pages.empty())
        std::abort();
    for (const tessaro::IconPageCheck& page : check.pages) {
        if (page.valid() && (page.width <= 0 || page.height <= 0 ||
                             int64_t{page.width} * page.height > tessaro::kMaxPagePixels)) {
            std::abort();
        }
        tessaro::describeFault(page.fault);
    }
    tessaro::describeFault(check.fault);
    return 0;
}
