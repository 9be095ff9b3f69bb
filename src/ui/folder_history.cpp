#include "ui/folder_history.h"

#include <zlib.h>

#include <cstdint>
#include <string_view>

#include "engine/naming/text_case.h"

namespace tessaro {

namespace {

uint32_t folderChecksum(std::string_view folder) {
    const std::string upper = upperCaseText(folder);
    return static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0),
                                       reinterpret_cast<const Bytef*>(upper.data()),
                                       static_cast<uInt>(upper.size())));
}

std::string_view trimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string recentOutputFolder(const Settings& settings, int index) {
    std::string_view history = settings.file.recentOutFolders;
    for (int field = 0; field < index; ++field) {
        const size_t tab = history.find('\t');
        if (tab == std::string_view::npos)
            return {};
        history.remove_prefix(tab + 1);
    }
    return std::string(trimBlanks(history.substr(0, history.find('\t'))));
}

bool addRecentOutputFolder(Settings& settings, const std::string& folder) {
    if (folder.empty())
        return false;
    const int limit = settings.advanced.outFoldersNumber;
    const uint32_t newChecksum = folderChecksum(folder);
    std::string history = folder;
    int count = 1;
    for (int index = 0; index < limit; ++index) {
        const std::string older = recentOutputFolder(settings, index);
        if (older.empty() || count >= limit || folderChecksum(older) == newChecksum)
            continue;
        history += '\t';
        history += older;
        ++count;
    }
    settings.file.recentOutFolders = history;
    return true;
}

}  // namespace tessaro
