#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/drawing_api.h"
#include "platform/result.h"

namespace tessaro {

struct ModuleCloser {
    void operator()(void* handle) const;
};
using ModuleHandle = std::unique_ptr<void, ModuleCloser>;

// The drawing module as loaded: its handle and its function table.
struct DrawingModule {
    ModuleHandle handle;
    const TessaroDrawingApi* api = nullptr;
};

// The file name of the module, as the build and the installation place it.
inline constexpr const char* drawingModuleFileName = "tessaro-draw.so";

// Where the module is looked for: beside the executable (the build folder),
// then in lib/tessaro/ of the installation prefix above the executable's bin/.
std::vector<std::string> drawingModuleCandidates(const std::string& programFolder);

// Loads the module from one path and checks its entry point and version.
Result<DrawingModule> loadDrawingModuleFrom(const std::string& path);

// The process-wide module, loaded on the first call from the first candidate
// that exists. Runs without a frame or watermark never call this, so they
// never map cairo, Pango or fontconfig. The failure says why it is missing.
const Result<DrawingModule>& drawingModule();

}  // namespace tessaro
