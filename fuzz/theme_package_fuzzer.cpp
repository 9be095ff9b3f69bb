// Installs the bytes as the only theme package of a private folder, then
// lists it and loads its pictures as the window mode does.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string_view>

#include "scratch_folder.h"
#include "settings/settings.h"
#include "themes/theme_folder.h"
#include "themes/theme_images.h"
#include "themes/theme_scan.h"

namespace {

// Packages are read through the archive library's bounded reads; a larger
// input only repeats what smaller ones reach.
constexpr std::size_t inputLimit = 1 << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > inputLimit) {
        return 0;
    }
    static tessaro::fuzz::ScratchFolder folder;
    tessaro::ThemeState state;
    state.folder = folder.path();
    {
        std::ofstream package(tessaro::themePackagePath(state.folder, "fuzz"),
                              std::ios::binary | std::ios::trunc);
        package.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!package)
            std::abort();
    }
    tessaro::scanThemes(state);
    tessaro::InterfaceSettings interface;
    interface.uiTheme = "fuzz";
    // Decoding is the window mode's; this target is about the archive.
    tessaro::loadThemeImages(state, interface, {}, [](std::string_view) { return true; });
    return 0;
}
