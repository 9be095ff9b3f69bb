#include "platform/window_module.h"
#include "ui/window_startup.h"

#include <type_traits>

// The module's one entry point, looked up by name by the executable.
extern "C" __attribute__((visibility("default"))) int tessaroRunWindowMode(
    tessaro::Settings* settings, tessaro::ConversionJob* job, tessaro::JobProgress* progress,
    int argc, char** argv) {
    return tessaro::runWindowMode(*settings, *job, *progress, argc, argv);
}

static_assert(std::is_same_v<decltype(tessaroRunWindowMode), tessaro::WindowModeEntry>);
