#pragma once

namespace tessaro {

// How the program ended, as scripts see it. Every path of the program ends in
// one of these, and exitStatusOf turns it into the process exit status.
enum class ProgramOutcome {
    success,                // the file was converted, or help or version was shown
    errorReported,          // an "Error: " line was printed, nothing was converted
    conversionStopped,      // the run ended with "Conversion stopped"
    anotherCopyRuns,        // refused: another copy of this version holds the lock
    windowModeUnavailable,  // the window mode was asked for: not built in, or no display
    stoppedBySignal,        // SIGINT, SIGTERM or SIGHUP ended a console run
};

// 0 for success; a distinct non-zero status for every kind of failure.
int exitStatusOf(ProgramOutcome outcome);

}  // namespace tessaro
