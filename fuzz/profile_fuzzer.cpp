// Feeds the bytes of a profile file to the INI reader and the profile keys.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/profile_file.h"
#include "settings/ini_reader.h"

namespace {

constexpr std::size_t inputLimit = 64 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > inputLimit) {
        return 0;
    }
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tessaro::Settings settings;
    tessaro::applyProfile(tessaro::parseIniText(bytes), settings);
    return 0;
}
