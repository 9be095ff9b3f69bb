#include "themes/theme_folder.h"

#include <filesystem>
#include <system_error>

#include "platform/program_folder.h"

namespace tessaro {

std::string themeFolder() {
    const std::string& programPath = programFolder();
    std::string besideProgram = programPath + "gfx/";
    std::error_code error;
    if (std::filesystem::is_directory(besideProgram, error)) {
        return besideProgram;
    }
    std::filesystem::path installed =
        (std::filesystem::path(programPath) / "../share/tessaro/gfx/").lexically_normal();
    return installed.string();
}

std::string themePackagePath(const std::string& folder, const std::string& baseName) {
    return folder + baseName + ".zip";
}

}  // namespace tessaro
