#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "settings/conversion_request.h"

namespace tessaro {

struct InputFileEntry {
    bool queued = false;
    std::string subfolder;  // relative to ConversionJob::inputBaseFolder, "" when none

    bool operator==(const InputFileEntry&) const = default;
};

// What the first argument or an option asks of a run besides converting.
enum class RunMode {
    normal,
    debug,        // "-d": the console run prints its settings and each file's steps
    screenshots,  // "-t": the window mode takes its pictures for the documentation
};

// The run being prepared or executed: what every file of it shares. The
// engine reads one file's part of it (settings/run_state.h, fileRequest).
// Written only while no worker runs.
struct ConversionJob {
    std::map<std::string, InputFileEntry> inputFiles;  // keyed by full path
    // The input as named: by "--INPUT", or typed or chosen in the window.
    std::string namedInput;
    // The folder a folder input names, below which each file keeps its
    // subfolder; "" for a single file.
    std::string inputBaseFolder;
    std::string inputFormat;
    OutputRequest output;
    int32_t randomNumber = 1;  // of the next file converted
    int32_t fileCounter = 1;   // of the next file converted
    bool consoleMode = false;
    RunMode runMode = RunMode::normal;

    bool operator==(const ConversionJob&) const = default;
};

}  // namespace tessaro
