#include "platform/drawing_module.h"

#include <dlfcn.h>

#include <filesystem>

#include "platform/program_folder.h"

namespace tessaro {

void ModuleCloser::operator()(void* handle) const {
    dlclose(handle);
}

std::vector<std::string> drawingModuleCandidates(const std::string& programFolder) {
    if (programFolder.empty()) {
        return {};
    }
    return {programFolder + drawingModuleFileName,
            programFolder + "../lib/tessaro/" + drawingModuleFileName};
}

Result<DrawingModule> loadDrawingModuleFrom(const std::string& path) {
    DrawingModule module;
    // The module's text module registers types with GLib and fontconfig that
    // cannot be unregistered, so it stays mapped even after the handle is
    // closed. It is linked to bind its own symbols at load, so a missing cairo
    // function still fails here; the libraries below it bind lazily, as the
    // executable's own do.
    dlerror();
    module.handle.reset(dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE));
    if (!module.handle) {
        const char* reason = dlerror();
        return Failure{"Cannot load the drawing module " + path + ": " +
                       (reason != nullptr ? reason : "unknown reason")};
    }
    auto entry =
        reinterpret_cast<TessaroDrawingEntry>(dlsym(module.handle.get(), tessaroDrawingEntryPoint));
    if (entry == nullptr) {
        return Failure{"The drawing module " + path + " has no entry point"};
    }
    const TessaroDrawingApi* api = entry();
    if (api == nullptr || api->version != tessaroDrawingApiVersion) {
        return Failure{"The drawing module " + path + " was built for another version"};
    }
    module.api = api;
    return module;
}

namespace {

Result<DrawingModule> findDrawingModule() {
    std::vector<std::string> candidates = drawingModuleCandidates(programFolder());
    for (const std::string& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::exists(candidate, error)) {
            return loadDrawingModuleFrom(candidate);
        }
    }
    return Failure{"The drawing module " + std::string(drawingModuleFileName) +
                   " was not found beside the program or in lib/tessaro/"};
}

}  // namespace

const Result<DrawingModule>& drawingModule() {
    static const Result<DrawingModule> module = findDrawingModule();
    return module;
}

}  // namespace tessaro
