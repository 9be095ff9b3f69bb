#include "engine/page_suffix.h"

#include "l10n/letter_case.h"

namespace tessaro {

namespace {

bool endsWithFormatExtension(std::string_view fileName, std::string_view formatKey) {
    return fileName.size() > formatKey.size() &&
           fileName[fileName.size() - formatKey.size() - 1] == '.' &&
           equalIgnoringAsciiCase(fileName.substr(fileName.size() - formatKey.size()), formatKey);
}

}  // namespace

std::string withPageNumber(std::string_view path, std::string_view formatKey, int32_t pageNumber) {
    const size_t separator = path.rfind('/');
    const std::string_view fileName =
        separator == std::string_view::npos ? path : path.substr(separator + 1);
    const size_t at = endsWithFormatExtension(fileName, formatKey)
                          ? path.size() - formatKey.size() - 1
                          : path.size();
    std::string result(path.substr(0, at));
    result += "[" + std::to_string(pageNumber) + "]";
    result += path.substr(at);
    return result;
}

}  // namespace tessaro
