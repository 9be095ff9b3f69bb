#include "cli/console_entry.h"

#include <iostream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "batch/job_progress.h"
#include "cli/command_line.h"
#include "cli/console_run.h"
#include "cli/first_argument_command.h"
#include "cli/help_text.h"
#include "cli/program_outcome.h"
#include "l10n/product_identity.h"
#include "platform/console_key.h"
#include "platform/console_output.h"
#include "platform/single_instance.h"
#include "platform/window_module.h"
#include "settings/conversion_job.h"
#include "settings/reset_settings.h"
#include "settings/run_state.h"
#include "settings/settings.h"

namespace tessaro {

namespace {

// A window-mode start from the desktop while a copy runs ends quietly, as
// the running window is the one the user has; a refused console run says why
// on standard error, where a script sees it.
ProgramOutcome refuseToRun(bool windowModeStart) {
    if (windowModeStart)
        return ProgramOutcome::success;
    printErrorLine("Error: Another copy of " + productTitle(productName, programVersion) +
                   " is running.");
    return ProgramOutcome::anotherCopyRuns;
}

// Qt reads options of its own from the command line, so the window mode sees
// only the program's name; the first-argument commands come in `request`.
ProgramOutcome startWindowMode(Settings& settings, ConversionJob& job, JobProgress& progress,
                               const WindowModeRequest& request, char** argv) {
    switch (runWindowModule(settings, job, progress, request, 1, argv)) {
        case WindowModeEnd::closed:
            return ProgramOutcome::success;
        case WindowModeEnd::errorReported:
            return ProgramOutcome::errorReported;
        case WindowModeEnd::unavailable:
            break;
    }
    return ProgramOutcome::windowModeUnavailable;
}

WindowModeRequest windowModeRequestFor(const CommandLineResult& command) {
    switch (command.next) {
        case NextStep::uninstallFeedback:
            return {WindowModeCommand::uninstallFeedback, {}};
        case NextStep::takeScreenshots:
            return {WindowModeCommand::screenshots, command.screenshotFolder};
        default:
            return {};
    }
}

void pauseIfAsked(const CommandLineResult& command) {
    if (!command.pause)
        return;
    printLine("Press any key to exit.");
    waitForKey();
}

ProgramOutcome runConsoleEntry(int argc, char** argv, Settings& settings, ConversionJob& job,
                               JobProgress& progress) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    initializeRunState(job);
    resetSettings(settings, true);
    const CommandLineResult command = parseCommandLine(arguments, settings, job);
    switch (command.next) {
        case NextStep::printVersion:
        case NextStep::printHelp:
            runFirstArgumentCommand(argc, argv, std::cout);
            return ProgramOutcome::success;
        case NextStep::reportError:
            printErrorLine("Error: " + command.errorMessage);
            pauseIfAsked(command);
            return ProgramOutcome::errorReported;
        case NextStep::runConversion: {
            if (!command.quiet)
                printBanner();
            const ProgramOutcome outcome =
                runConsoleConversion(settings, job, progress, command.quiet);
            pauseIfAsked(command);
            return outcome;
        }
        case NextStep::startWindowMode:
        case NextStep::uninstallFeedback:
        case NextStep::takeScreenshots:
            break;
    }
    return startWindowMode(settings, job, progress, windowModeRequestFor(command), argv);
}

}  // namespace

int runProgramEntry(int argc, char** argv) {
    // Help and version only print, so they answer whatever the lock says.
    if (const std::optional<int> status = runFirstArgumentCommand(argc, argv, std::cout))
        return *status;
    // Only one copy of this version runs at a time for a user, whatever its
    // mode; the lock is held until the process ends.
    const Result<LockAttempt> lock =
        acquireSingleInstanceLock(productTitle(productName, programVersion));
    if (!lock) {
        printErrorLine("Error: " + lock.failure().reason);
        return exitStatusOf(ProgramOutcome::errorReported);
    }
    if (std::holds_alternative<HeldByAnotherCopy>(*lock))
        return exitStatusOf(refuseToRun(argc < 2));
    Settings settings;
    ConversionJob job;
    JobProgress progress;
    if (argc < 2)
        return exitStatusOf(startWindowMode(settings, job, progress, {}, argv));
    return exitStatusOf(runConsoleEntry(argc, argv, settings, job, progress));
}

}  // namespace tessaro
