#include "themes/theme_config.h"

#include <algorithm>

namespace tessaro {
namespace {

char lowerAscii(char letter) {
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

// Position of `needle` in `text` from `from` on, letters in any case.
std::size_t findIgnoringCase(std::string_view text, std::string_view needle, std::size_t from) {
    if (from > text.size()) {
        return std::string_view::npos;
    }
    auto found =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), needle.begin(),
                    needle.end(), [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
    return found == text.end() && !needle.empty() ? std::string_view::npos
                                                  : static_cast<std::size_t>(found - text.begin());
}

std::string_view trim(std::string_view text, std::string_view characters) {
    std::size_t first = text.find_first_not_of(characters);
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(characters);
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string readThemeValue(std::string_view text, std::string_view group, std::string_view key) {
    std::string header = "[" + std::string(group) + "]";
    std::size_t groupStart = findIgnoringCase(text, header, 0);
    if (groupStart == std::string_view::npos) {
        return {};
    }
    std::size_t groupEnd = text.find('[', groupStart + 1);
    if (groupEnd == std::string_view::npos) {
        groupEnd = text.size();
    }
    std::size_t lineStart = findIgnoringCase(text, "\r\n" + std::string(key), groupStart);
    if (lineStart == std::string_view::npos || lineStart <= groupStart || lineStart >= groupEnd) {
        return {};
    }
    std::size_t lineEnd = text.find("\r\n", lineStart + 2);
    if (lineEnd == std::string_view::npos) {
        return {};
    }
    std::string_view line = text.substr(lineStart, lineEnd - lineStart);
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    std::string_view value = line.substr(equals + 1);
    value = value.substr(0, value.find('='));
    return std::string(trim(trim(value, " "), "\t\r\n"));
}

}  // namespace tessaro
