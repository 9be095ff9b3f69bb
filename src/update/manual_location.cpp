#include "update/manual_location.h"

#include <filesystem>
#include <system_error>

#include "platform/program_folder.h"

namespace tessaro {

std::string findManual(std::string_view programFolder) {
    if (programFolder.empty()) {
        return {};
    }
    const std::filesystem::path folder{programFolder};
    for (const char* relative : {"doc/manual.html", "../share/doc/tessaro/manual.html"}) {
        const std::filesystem::path candidate = (folder / relative).lexically_normal();
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate.string();
        }
    }
    return {};
}

std::string manualPath() {
    return findManual(programFolder());
}

}  // namespace tessaro
