#include "cli/program_outcome.h"

namespace tessaro {

int exitStatusOf(ProgramOutcome outcome) {
    switch (outcome) {
        case ProgramOutcome::success:
            return 0;
        case ProgramOutcome::errorReported:
            return 1;
        case ProgramOutcome::conversionStopped:
            return 2;
        case ProgramOutcome::anotherCopyRuns:
            return 3;
        case ProgramOutcome::windowModeUnavailable:
            return 4;
        case ProgramOutcome::stoppedBySignal:
            return 5;
    }
    return 1;
}

}  // namespace tessaro
