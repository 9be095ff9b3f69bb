#pragma once

#include <string>

namespace tessaro {

struct Settings;
struct ConversionJob;
struct JobProgress;

// What the window-mode module is started for: the main window, or one of the
// two runs that the first argument asks for.
enum class WindowModeCommand {
    mainWindow,         // no arguments, or no input named
    uninstallFeedback,  // "-U": the uninstall window alone
    screenshots,        // "-T FOLDER": pictures of the main window for the documentation
};

struct WindowModeRequest {
    WindowModeCommand command = WindowModeCommand::mainWindow;
    // For screenshots: the folder as given; "" stands for the executable's folder.
    std::string screenshotFolder;
};

enum class WindowModeEnd {
    closed,         // the window mode ran to its end
    errorReported,  // it ran and reported an error (a screenshot that was not written)
    unavailable,    // not built, no reachable display, or the module could not be loaded
};

// The window mode lives in a module of its own, so that a console run never
// binds Qt. The module resolves the engine's functions against the executable
// and offers this one entry point, which checks that the display can be
// reached before it starts Qt and prints one "Error: " line when not.
using WindowModeEntry = WindowModeEnd(Settings* settings, ConversionJob* job, JobProgress* progress,
                                      const WindowModeRequest* request, int argc, char** argv);
inline constexpr const char* windowModeEntryName = "tessaroRunWindowMode";
inline constexpr const char* windowModuleFileName = "tessaro-ui.so";

// Runs the window mode with the process's records: checks for a display,
// loads the module (beside the executable, else from <prefix>/lib/tessaro/)
// and calls its entry point with `request`. Every reason for not starting is
// printed as one line on standard error.
WindowModeEnd runWindowModule(Settings& settings, ConversionJob& job, JobProgress& progress,
                              const WindowModeRequest& request, int argc, char** argv);

}  // namespace tessaro
