#pragma once

#include "batch/job_progress.h"
#include "cli/program_outcome.h"
#include "settings/conversion_job.h"
#include "settings/settings.h"

namespace tessaro {

// The console banner: product title, copyright line, vendor address, a line
// holding one blank.
void printBanner();

// Checks the one input file, the output folder, the output format and every
// setting the conversion uses, in that order, printing the debug listing on
// the way when job.runMode is RunMode::debug; then queues the file, converts it on the
// worker and prints the totals. The first failed check prints its "Error: "
// line and ends the run before anything is queued or written. With `quiet`
// only the error and stop lines are printed. A page that was not saved adds
// an "Error: <path>: <reason>" line. SIGINT, SIGTERM and SIGHUP end the run
// at once, leaving no temporary file (ConsoleStopSignals).
ProgramOutcome runConsoleConversion(const Settings& settings, ConversionJob& job,
                                    JobProgress& progress, bool quiet);

}  // namespace tessaro
