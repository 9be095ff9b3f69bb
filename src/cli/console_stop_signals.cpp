#include "cli/console_stop_signals.h"

#include <unistd.h>

#include "cli/program_outcome.h"
#include "platform/temporary_file.h"

namespace tessaro {

namespace {

// Worked out before any signal comes, so the handler only calls what is safe
// in a signal handler.
constinit int stoppedStatus = 0;

void stopAtOnce(int) {
    removeTemporaryFiles();
    _exit(stoppedStatus);
}

}  // namespace

ConsoleStopSignals::ConsoleStopSignals() {
    stoppedStatus = exitStatusOf(ProgramOutcome::stoppedBySignal);
    struct sigaction action {};
    action.sa_handler = stopAtOnce;
    sigemptyset(&action.sa_mask);
    // A signal ignored from the start, as nohup leaves SIGHUP, stays ignored.
    for (size_t index = 0; index < stopSignals_.size(); ++index) {
        sigaction(stopSignals_[index], nullptr, &previous_[index]);
        if (previous_[index].sa_handler != SIG_IGN)
            sigaction(stopSignals_[index], &action, nullptr);
    }
}

ConsoleStopSignals::~ConsoleStopSignals() {
    for (size_t index = 0; index < stopSignals_.size(); ++index)
        sigaction(stopSignals_[index], &previous_[index], nullptr);
}

}  // namespace tessaro
