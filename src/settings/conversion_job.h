#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "settings/conversion_request.h"

namespace tessaro {

struct InputFileEntry {
    int32_t queued = 0;
    std::string subfolder;  // relative to ConversionJob::inputBaseFolder, "" when none

    bool operator==(const InputFileEntry&) const = default;
};

// The run being prepared or executed. Written only while no worker runs.
struct ConversionJob {
    std::map<std::string, InputFileEntry> inputFiles;  // keyed by full path
    std::string inputBaseFolder;
    std::string inputPath;
    std::string inputFormat;
    OutputRequest output;
    int32_t randomNumber = 1;  // of the next file converted
    int32_t fileCounter = 1;   // of the next file converted
    int8_t consoleMode = 0;
    std::string runMode;  // "DEBUG", "T" (screenshot mode) or ""

    bool operator==(const ConversionJob&) const = default;
};

}  // namespace tessaro
