#include "batch/conversion_worker.h"

#include "engine/naming/output_path.h"
#include "platform/console_output.h"
#include "settings/run_state.h"

namespace tessaro {

void conversionWorker(const Settings& settings, ConversionJob& job, JobProgress& progress,
                      const WatermarkFont* font, FileConversion convertFile) {
    const bool debug = job.consoleMode && job.runMode == RunMode::debug;
    int32_t taken = 0;
    int32_t converted = 0;
    for (auto next = job.inputFiles.begin();; ++next) {
        // A pause also holds back the end of the run, so a run that is asked
        // whether to stop cannot finish while the question is open.
        progress.paused.wait(1);
        if (progress.running.load() == 0 || next == job.inputFiles.end())
            break;
        const auto& [path, entry] = *next;
        ++taken;
        const ConversionRequest request = fileRequest(job, path, entry);
        {
            std::lock_guard guard(progress.progressLock);
            progress.processedCount = taken;
            progress.currentFile = path;
        }
        if (debug)
            printLine("Processing: " + path);
        ConversionResult result = convertFile(settings, request, font);
        // Every page file written carries the chosen time, also when another
        // page of the same icon failed: the time describes the file, not the
        // run. A time that cannot be set is reported like a failed page, and
        // the page still counts as written.
        for (const std::string& written : result.writtenFiles)
            if (const Result<void> timed = applyOutputFileTime(written, settings, path); !timed)
                result.failedPages.push_back(FailedPage{written, timed.failure().reason});
        if (debug) {
            printLine("Saving As: " + result.outputPath);
            printLine(result.converted ? "OK" : "Not OK");
        }
        if (job.consoleMode)
            for (const FailedPage& failed : result.failedPages)
                printErrorLine("Error: " + failed.path + ": " + failed.reason);
        if (!result.failedPages.empty()) {
            std::lock_guard guard(progress.progressLock);
            progress.failedPages.insert(progress.failedPages.end(), result.failedPages.begin(),
                                        result.failedPages.end());
        }
        if (result.converted) {
            ++converted;
            job.randomNumber = drawRandomNumber();
            job.fileCounter += 1;
        }
    }
    std::lock_guard guard(progress.progressLock);
    progress.convertedCount = converted;
    progress.finished = 1;
}

std::jthread startConversionWorker(const Settings& settings, ConversionJob& job,
                                   JobProgress& progress, const WatermarkFont* font,
                                   FileConversion convertFile) {
    {
        std::lock_guard guard(progress.progressLock);
        progress.processedCount = 0;
        progress.currentFile.clear();
        progress.convertedCount = 0;
        progress.failedPages.clear();
        progress.finished = 0;
        progress.running = 1;
        progress.paused = 0;
    }
    return std::jthread([&settings, &job, &progress, font, convertFile] {
        conversionWorker(settings, job, progress, font, convertFile);
    });
}

void requestWorkerStop(JobProgress& progress) {
    std::lock_guard guard(progress.progressLock);
    progress.running = 0;
}

void pauseWorker(JobProgress& progress) {
    progress.paused = 1;
}

void resumeWorker(JobProgress& progress) {
    progress.paused = 0;
    progress.paused.notify_all();
}

}  // namespace tessaro
