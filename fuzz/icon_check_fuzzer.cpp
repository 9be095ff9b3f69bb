// Feeds bytes to the icon directory check, which runs before the decoder
// sees any file and so must hold on anything, and to the rewrite that hands
// the decoder what it accepted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "engine/icon_check.h"
#include "engine/readable_icon.h"

namespace {

constexpr std::size_t inputLimit = 1 << 20;
constexpr uint32_t plainHeaderBytes = 40;

// The bytes the decoder is handed pass the check again, every page it may
// decode with the same findings and laid out as the decoder reads it.
void checkReadableIcon(const uint8_t* data, std::size_t size, const tessaro::IconCheck& check) {
    const std::vector<uint8_t> readable =
        tessaro::decoderReadableIcon(std::vector<uint8_t>(data, data + size), check);
    const tessaro::IconCheck again = tessaro::checkIcon(readable);
    if (!again.valid() || again.pages.size() != check.pages.size())
        std::abort();
    for (std::size_t index = 0; index < check.pages.size(); ++index) {
        const tessaro::IconPageCheck& before = check.pages[index];
        const tessaro::IconPageCheck& after = again.pages[index];
        if (!before.valid())
            continue;
        if (!after.valid() || after.png != before.png || after.width != before.width ||
            after.height != before.height || after.bitCount != before.bitCount ||
            after.maskMarksPixels != before.maskMarksPixels ||
            (!after.png && after.paletteAt != plainHeaderBytes)) {
            std::abort();
        }
    }
}

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
                             int64_t{page.width} * page.height > tessaro::maxPagePixels)) {
            std::abort();
        }
        tessaro::describeFault(page.fault);
    }
    tessaro::describeFault(check.fault);
    if (check.valid())
        checkReadableIcon(data, size, check);
    return 0;
}
