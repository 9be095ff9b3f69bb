#include "settings/run_state.h"

#include <random>

#include "platform/program_folder.h"
#include "platform/random_seed.h"

namespace tessaro {

int32_t drawRandomNumber() {
    // One generator per thread: the worker draws while the main thread may
    // start the next run state.
    thread_local std::mt19937 generator{randomSeed()};
    return std::uniform_int_distribution<int32_t>{1, 99999}(generator);
}

ConversionRequest fileRequest(const ConversionJob& job, const std::string& inputPath,
                              const InputFileEntry& entry) {
    return ConversionRequest{inputPath, entry.subfolder, job.fileCounter, job.randomNumber,
                             job.output};
}

void initializeRunState(ConversionJob& job) {
    programFolder();

    job.consoleMode = false;
    job.randomNumber = drawRandomNumber();
    job.fileCounter = 1;

    job.inputFormat.clear();
    job.inputBaseFolder.clear();
    job.namedInput.clear();
    job.output = {};

    job.inputFiles.clear();
}

}  // namespace tessaro
