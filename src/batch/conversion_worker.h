#pragma once

#include <thread>

#include "batch/input_queue.h"
#include "batch/job_progress.h"
#include "engine/convert_image.h"
#include "settings/conversion_job.h"
#include "settings/settings.h"

namespace tessaro {

struct WatermarkFont;

// The engine's conversion of the current input file; runs can swap it only to
// observe the worker itself.
using FileConversion = ConversionResult (*)(const Settings&, const ConversionRequest&,
                                            const WatermarkFont*);

// Converts the queued input files one after another. Before each file, and
// before it ends, it waits while progress.paused is 1; then it looks at
// progress.running and ends when that is 0, so a stop request finishes the
// file in hand and takes no further one. Its last step stores the number of
// files converted and sets progress.finished. After every converted file the mask's
// counter advances and a new random number is drawn; every file written gets
// the run's output file time (a time that cannot be set is reported like a
// failed page, the file still counts). Every page that was not saved goes into
// progress.failedPages with its reason, and in the console mode into an
// "Error: <path>: <reason>" line on standard error. In the console mode with
// run mode RunMode::debug it prints "Processing: ", "Saving As: " and "OK"/"Not OK"
// lines.
// Settings, job and font must not change while it runs.
void conversionWorker(const Settings& settings, ConversionJob& job, JobProgress& progress,
                      const WatermarkFont* font, FileConversion convertFile = convertImageFile);

// Resets the progress record and starts conversionWorker on its own thread.
// The returned thread joins when it goes out of scope.
std::jthread startConversionWorker(const Settings& settings, ConversionJob& job,
                                   JobProgress& progress, const WatermarkFont* font,
                                   FileConversion convertFile = convertImageFile);

// Asks a running worker to stop before its next file.
void requestWorkerStop(JobProgress& progress);

// Holds the worker before its next file (or its end) until resumeWorker; the
// file in hand goes on converting.
void pauseWorker(JobProgress& progress);
void resumeWorker(JobProgress& progress);

}  // namespace tessaro
