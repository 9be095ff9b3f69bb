#pragma once

#include <cstdint>
#include <string>

#include "settings/conversion_job.h"

namespace tessaro {

// A new value for ConversionJob::randomNumber: uniform in 1..99999.
int32_t drawRandomNumber();

// What the engine reads to convert the queued file at `inputPath`: the run's
// output, its counters as they stand and the file's subfolder.
ConversionRequest fileRequest(const ConversionJob& job, const std::string& inputPath,
                              const InputFileEntry& entry);

// Starts a fresh run state: no input files, empty paths and formats, counters
// at their start (file counter 1, a new random number), not in console mode.
// Also fixes the program folder for the rest of the process.
void initializeRunState(ConversionJob& job);

}  // namespace tessaro
