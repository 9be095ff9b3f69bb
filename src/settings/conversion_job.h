#pragma once

#include <cstdint>
#include <map>
#include <string>

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
    std::string inputSubfolder;
    std::string outputPath;
    std::string outputFolder;  // ends in "/"
    int32_t randomNumber = 1;
    int32_t fileCounter = 1;
    std::string inputFormat;
    int32_t sourceBpp = 0;
    int32_t outputFif = 0;
    std::string outputFormat;
    int32_t targetBpp = 0;
    int8_t autoBpp = 0;
    int32_t saveFlags = 0;
    int8_t consoleMode = 0;
    int32_t uiRefresh = 0;
    std::string fromExtension;
    std::string toExtension;
    std::string runMode;  // "DEBUG", "T" (screenshot mode) or ""
    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
    int8_t preferencesPage = 0;

    bool operator==(const ConversionJob&) const = default;
};

}  // namespace tessaro
