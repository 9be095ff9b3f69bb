#include "platform/console_output.h"
#include "platform/window_module.h"
#include "ui/display_check.h"
#include "ui/screenshot_mode.h"
#include "ui/uninstall_window.h"
#include "ui/window_startup.h"

#include <type_traits>

namespace {

int runRequestedWindow(tessaro::Settings& settings, tessaro::ConversionJob& job,
                       tessaro::JobProgress& progress, const tessaro::WindowModeRequest& request,
                       int argc, char** argv) {
    switch (request.command) {
        case tessaro::WindowModeCommand::uninstallFeedback:
            return tessaro::runUninstallWindow(argc, argv);
        case tessaro::WindowModeCommand::screenshots:
            return tessaro::runScreenshotMode(settings, job, progress, request.screenshotFolder,
                                              argc, argv);
        case tessaro::WindowModeCommand::mainWindow:
            break;
    }
    return tessaro::runWindowMode(settings, job, progress, argc, argv);
}

}  // namespace

// The module's one entry point, looked up by name by the executable.
extern "C" __attribute__((visibility("default"))) tessaro::WindowModeEnd tessaroRunWindowMode(
    tessaro::Settings* settings, tessaro::ConversionJob* job, tessaro::JobProgress* progress,
    const tessaro::WindowModeRequest* request, int argc, char** argv) {
    if (const tessaro::Result<void> display = tessaro::checkDisplayReachable(); !display) {
        tessaro::printErrorLine("Error: " + display.failure().reason +
                                "; run tessaro -h for the console options.");
        return tessaro::WindowModeEnd::unavailable;
    }
    const int status = runRequestedWindow(*settings, *job, *progress, *request, argc, argv);
    return status == 0 ? tessaro::WindowModeEnd::closed : tessaro::WindowModeEnd::errorReported;
}

static_assert(std::is_same_v<decltype(tessaroRunWindowMode), tessaro::WindowModeEntry>);
