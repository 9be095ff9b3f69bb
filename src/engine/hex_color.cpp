#include "engine/hex_color.h"

#include <array>
#include <cstddef>

namespace tessaro {

namespace {

constexpr std::size_t colorTextLength = 6;

int hexDigitValue(char character) {
    if (character >= '0' && character <= '9') {
        return character - '0';
    }
    if (character >= 'A' && character <= 'F') {
        return character - 'A' + 10;
    }
    if (character >= 'a' && character <= 'f') {
        return character - 'a' + 10;
    }
    return -1;
}

// A pair reads as far as its hexadecimal digits go: "7G" is 7, "G7" is 0.
BYTE readPair(char high, char low) {
    const int highValue = hexDigitValue(high);
    if (highValue < 0) {
        return 0;
    }
    const int lowValue = hexDigitValue(low);
    if (lowValue < 0) {
        return static_cast<BYTE>(highValue);
    }
    return static_cast<BYTE>(highValue * 16 + lowValue);
}

}  // namespace

RGBQUAD parseHexColor(std::string_view text) {
    RGBQUAD color{};
    // The length counts characters, not bytes. Every character outside ASCII
    // stands in as a non-digit, so a non-ASCII character ends its pair.
    std::array<char, colorTextLength> characters{};
    std::size_t count = 0;
    for (const char byte : text) {
        const bool continuesCharacter = (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
        if (continuesCharacter) {
            continue;
        }
        if (count == colorTextLength) {
            return color;
        }
        characters[count++] = static_cast<unsigned char>(byte) < 0x80 ? byte : '\0';
    }
    if (count != colorTextLength) {
        return color;
    }
    color.rgbRed = readPair(characters[0], characters[1]);
    color.rgbGreen = readPair(characters[2], characters[3]);
    color.rgbBlue = readPair(characters[4], characters[5]);
    return color;
}

RGBQUAD parseHexColorAlpha(std::string_view text, BYTE alpha) {
    RGBQUAD color = parseHexColor(text);
    color.rgbReserved = alpha;
    return color;
}

}  // namespace tessaro
