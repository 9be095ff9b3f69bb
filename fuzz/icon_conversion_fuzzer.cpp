// Converts one in-memory icon with the settings of a fresh console run.
#include "icon_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > tessaro::fuzz::conversionInputLimit) {
        return 0;
    }
    static const tessaro::Settings settings = tessaro::fuzz::consoleDefaults();
    tessaro::fuzz::convertIcon(data, size, settings, nullptr);
    return 0;
}
