#include "ui/folder_history.h"

#include <string_view>

namespace tessaro {

namespace {

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
    std::string history = folder;
    int count = 1;
    for (int index = 0; index < limit; ++index) {
        const std::string older = recentOutputFolder(settings, index);
        if (older.empty() || count >= limit || older == folder)
            continue;
        history += '\t';
        history += older;
        ++count;
    }
    settings.file.recentOutFolders = history;
    return true;
}

}  // namespace tessaro
