#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaro {

// Length of the well-formed UTF-8 sequence at the start of `bytes`, 0 when it
// is malformed: a bad lead byte, a missing continuation byte, an overlong
// form, a surrogate or a value beyond U+10FFFF.
inline std::size_t utf8SequenceLength(std::string_view bytes) {
    if (bytes.empty()) {
        return 0;
    }
    auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    unsigned char lead = at(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < length || at(1) < low || at(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (at(i) < 0x80 || at(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

inline bool isUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        std::size_t length = utf8SequenceLength(bytes);
        if (length == 0) {
            return false;
        }
        bytes.remove_prefix(length);
    }
    return true;
}

// Reads every byte as the Latin-1 character of the same number.
inline std::string latin1ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            text += byte;
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

}  // namespace tessaro
