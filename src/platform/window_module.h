#pragma once

namespace tessaro {

struct Settings;
struct ConversionJob;
struct JobProgress;

// The window mode lives in a module of its own, so that a console run never
// binds Qt. The module resolves the engine's functions against the executable
// and offers this one entry point; it returns the process exit status of the
// window mode.
using WindowModeEntry = int(Settings* settings, ConversionJob* job, JobProgress* progress, int argc,
                            char** argv);
inline constexpr const char* windowModeEntryName = "tessaroRunWindowMode";
inline constexpr const char* windowModuleFileName = "tessaro-ui.so";

enum class WindowModeEnd {
    closed,       // the window mode ran and its main window was closed
    unavailable,  // not built, no display, or the module could not be loaded
};

// Runs the window mode with the process's records: checks for a display,
// loads the module (beside the executable, else from <prefix>/lib/tessaro/)
// and calls its entry point. Every reason for not starting is printed as one
// line on standard error.
WindowModeEnd runWindowModule(Settings& settings, ConversionJob& job, JobProgress& progress,
                              int argc, char** argv);

}  // namespace tessaro
