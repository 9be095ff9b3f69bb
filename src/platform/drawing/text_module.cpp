#include "platform/drawing/text_module.h"

#include <dlfcn.h>

#include <memory>
#include <string>

#include "platform/drawing/text_api.h"

namespace tessaro::drawing::text_module {
namespace {

struct ModuleCloser {
    void operator()(void* handle) const { dlclose(handle); }
};

struct TextModule {
    std::unique_ptr<void, ModuleCloser> handle;
    const TessaroDrawingApi* api = nullptr;
};

// The folder of the file this module was loaded from, with its "/".
std::string thisModuleFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&loadFont), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    const std::string path = info.dli_fname;
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

TextModule loadTextModule() {
    TextModule module;
    const std::string path = thisModuleFolder() + tessaroTextModuleFileName;
    // Pango registers GLib types that cannot be unregistered, so the module
    // stays mapped, like this one.
    module.handle.reset(dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE));
    if (!module.handle) {
        return module;
    }
    auto entry =
        reinterpret_cast<TessaroDrawingEntry>(dlsym(module.handle.get(), tessaroTextEntryPoint));
    const TessaroDrawingApi* api = entry != nullptr ? entry() : nullptr;
    if (api != nullptr && api->version == tessaroDrawingApiVersion) {
        module.api = api;
    }
    return module;
}

const TessaroDrawingApi* textApi() {
    static const TextModule module = loadTextModule();
    return module.api;
}

}  // namespace

int32_t loadFont(const char* face, int32_t pixelHeight, int32_t flags, TessaroFont** font) {
    const TessaroDrawingApi* api = textApi();
    if (api == nullptr) {
        return tessaroFontNoTextModule;
    }
    return api->loadFont(face, pixelHeight, flags, font);
}

void destroyFont(TessaroFont* font) {
    textApi()->destroyFont(font);
}

TessaroTextExtent measureText(const TessaroFont* font, const char* text, int32_t mode) {
    return textApi()->measureText(font, text, mode);
}

void drawRasterText(TessaroCanvas* canvas, const TessaroFont* font, const char* text, int32_t x,
                    int32_t y, TessaroColor textColor, TessaroColor cellColor) {
    textApi()->drawRasterText(canvas, font, text, x, y, textColor, cellColor);
}

void drawSmoothText(TessaroCanvas* canvas, const TessaroFont* font, const char* text, int32_t x,
                    int32_t y, TessaroColor textColor) {
    textApi()->drawSmoothText(canvas, font, text, x, y, textColor);
}

}  // namespace tessaro::drawing::text_module
