#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace tessaro {

// Program-defined names (string table groups and keys, option names, INI
// keys, placeholders) are ASCII, so they are matched by folding ASCII letters
// only; every other byte, UTF-8 sequences included, stays as it is.
inline char asciiUpper(char character) {
    return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A')
                                                : character;
}

inline char asciiLower(char character) {
    return character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a')
                                                : character;
}

inline bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::string asciiUpper(std::string_view text);
std::string asciiLower(std::string_view text);

}  // namespace tessaro
