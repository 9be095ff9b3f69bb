#include "platform/program_folder.h"

#include <filesystem>
#include <system_error>

namespace tessaro {
namespace {

std::string findProgramFolder() {
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.has_parent_path()) {
        return {};
    }
    std::string folder = executable.parent_path().string();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

}  // namespace

const std::string& programFolder() {
    static const std::string folder = findProgramFolder();
    return folder;
}

}  // namespace tessaro
