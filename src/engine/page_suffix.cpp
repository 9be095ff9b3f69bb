#include "engine/page_suffix.h"

namespace tessaro {

namespace {

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string withPageNumber(std::string_view path, std::string_view formatKey, int32_t pageNumber) {
    size_t at = path.size();
    for (size_t characters = 0; characters < formatKey.size() + 1; ++characters) {
        if (at == 0)
            break;
        do {
            --at;
        } while (at > 0 && isContinuationByte(path[at]));
    }
    std::string result(path.substr(0, at));
    result += "[" + std::to_string(pageNumber) + "]";
    result += path.substr(at);
    return result;
}

}  // namespace tessaro
