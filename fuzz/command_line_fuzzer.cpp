// Feeds argument lists (one argument per line) to the command-line parser.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/settings_listing.h"

namespace {

constexpr std::size_t inputLimit = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > inputLimit) {
        return 0;
    }
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> arguments;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        arguments.emplace_back(text.substr(start, end - start));
        // A profile names a file; reading whatever path the fuzzer invents
        // (a device, a pipe) tests the file system, not the parser.
        if (tessaro::optionName(arguments.back()) == "--PROFILE") {
            return 0;
        }
        start = end + 1;
    }
    tessaro::Settings settings;
    tessaro::ConversionJob job;
    tessaro::parseCommandLine(arguments, settings, job);
    tessaro::processingLines(settings, tessaro::ListingSection::gamma);
    tessaro::saveOptionLines(settings, "png");
    return 0;
}
