#pragma once

// Runs the whole conversion of one in-memory icon to JPEG files in a private
// folder, then checks what every run must leave behind: the pages it reports
// and nothing else, no temporary file, and "converted" only with files.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "engine/convert_image.h"
#include "engine/output_depth.h"
#include "scratch_folder.h"
#include "settings/reset_settings.h"

namespace tessaro::fuzz {

// Larger inputs only repeat what smaller ones reach, more slowly.
constexpr std::size_t conversionInputLimit = 1 << 20;

inline void failCheck(const char* what) {
    std::fprintf(stderr, "conversion check failed: %s\n", what);
    std::abort();
}

// Settings as a fresh console run has them.
inline Settings consoleDefaults() {
    Settings settings;
    resetSettings(settings, true);
    return settings;
}

inline void convertIcon(const uint8_t* data, std::size_t size, const Settings& settings,
                        const WatermarkFont* font) {
    static ScratchFolder folder;
    ConversionRequest request;
    request.output.formatKey = "jpg";
    if (!prepareOutput(settings, request.output))
        failCheck("the run cannot be prepared");
    request.output.folder = folder.path();
    request.inputPath = folder.path() + "input.ico";

    ConversionResult result =
        convertIconBytes(std::vector<uint8_t>(data, data + size), settings, request, font);
    if (result.converted != (result.failure == ConversionFailure::none))
        failCheck("converted disagrees with the failure");
    if (result.converted && result.writtenFiles.empty())
        failCheck("converted without writing a file");
    for (const std::string& written : result.writtenFiles) {
        std::error_code error;
        if (!std::filesystem::remove(written, error))
            failCheck("a reported file is missing");
    }
    if (!folder.isEmpty())
        failCheck("a file was left behind");
}

}  // namespace tessaro::fuzz
