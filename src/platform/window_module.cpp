#include "platform/window_module.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "platform/program_folder.h"

namespace tessaro {

namespace {

void printWindowModeError(const std::string& text) {
    std::cerr << "Error: " << text << '\n' << std::flush;
}

#if TESSARO_WINDOW_MODE

struct ModuleCloser {
    void operator()(void* handle) const { dlclose(handle); }
};
using ModuleHandle = std::unique_ptr<void, ModuleCloser>;

bool environmentHas(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Without any display the module is not even loaded; whether a named display
// can be reached the module checks itself. An explicit QT_QPA_PLATFORM
// (offscreen, for example) may need no display.
bool displayAvailable() {
    return environmentHas("DISPLAY") || environmentHas("WAYLAND_DISPLAY") ||
           environmentHas("QT_QPA_PLATFORM");
}

// The build tree keeps the module beside the executable; an installed program
// keeps it in <prefix>/lib/tessaro/ while the executable is in <prefix>/bin/.
std::string findModulePath() {
    const std::filesystem::path folder = programFolder();
    const std::filesystem::path candidates[] = {
        folder / windowModuleFileName,
        folder / ".." / "lib" / "tessaro" / windowModuleFileName,
    };
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.lexically_normal().string();
    }
    return {};
}

#endif

}  // namespace

WindowModeEnd runWindowModule(Settings& settings, ConversionJob& job, JobProgress& progress,
                              const WindowModeRequest& request, int argc, char** argv) {
#if TESSARO_WINDOW_MODE
    if (!displayAvailable()) {
        printWindowModeError(
            "The window mode needs a display, and neither DISPLAY nor WAYLAND_DISPLAY is set; "
            "run tessaro -h for the console options.");
        return WindowModeEnd::unavailable;
    }
    const std::string modulePath = findModulePath();
    if (modulePath.empty()) {
        printWindowModeError("The window mode module " + std::string(windowModuleFileName) +
                             " was not found beside the program or in its lib/tessaro/ folder.");
        return WindowModeEnd::unavailable;
    }
    ModuleHandle module(dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!module) {
        const char* cause = dlerror();
        printWindowModeError("Cannot load the window mode module " + modulePath + ": " +
                             (cause != nullptr ? cause : "unknown cause"));
        return WindowModeEnd::unavailable;
    }
    auto* entry = reinterpret_cast<WindowModeEntry*>(dlsym(module.get(), windowModeEntryName));
    if (entry == nullptr) {
        printWindowModeError("The window mode module " + modulePath + " has no entry point.");
        return WindowModeEnd::unavailable;
    }
    const WindowModeEnd end = entry(&settings, &job, &progress, &request, argc, argv);
    // Qt registers handlers that run at process exit; the module therefore
    // stays loaded for the rest of the process.
    static_cast<void>(module.release());
    return end;
#else
    static_cast<void>(settings);
    static_cast<void>(job);
    static_cast<void>(progress);
    static_cast<void>(request);
    static_cast<void>(argc);
    static_cast<void>(argv);
    printWindowModeError(
        "The window mode is not available in this build; run tessaro -h for the console options.");
    return WindowModeEnd::unavailable;
#endif
}

}  // namespace tessaro
