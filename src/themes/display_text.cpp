#include "themes/display_text.h"

#include <cstddef>

namespace tessaro {
namespace {

// The length of the UTF-8 sequence starting at `position`, or 0 when it is
// not a valid, shortest-form sequence.
std::size_t sequenceLength(const std::string& text, std::size_t position) {
    auto byte = [&](std::size_t offset) {
        return static_cast<unsigned char>(text[position + offset]);
    };
    unsigned char lead = byte(0);
    std::size_t length = lead < 0x80                    ? 1
                         : lead >= 0xC2 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || position + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    bool overlong = (lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xF0 && byte(1) < 0x90);
    bool outOfRange = (lead == 0xED && byte(1) >= 0xA0) || (lead == 0xF4 && byte(1) >= 0x90);
    return overlong || outOfRange ? 0 : length;
}

bool isUtf8(const std::string& text) {
    for (std::size_t position = 0; position < text.size();) {
        std::size_t length = sequenceLength(text, position);
        if (length == 0) {
            return false;
        }
        position += length;
    }
    return true;
}

}  // namespace

std::string utf8FromPackageText(const std::string& text) {
    if (isUtf8(text)) {
        return text;
    }
    std::string converted;
    for (char letter : text) {
        auto code = static_cast<unsigned char>(letter);
        if (code < 0x80) {
            converted += letter;
        } else {
            converted += static_cast<char>(0xC0 | (code >> 6));
            converted += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return converted;
}

}  // namespace tessaro
