#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// Case mapping of user text (file names, masks, watermark text) by Unicode
// character, not by byte, so "Ä" lowers to "ä". Bytes that are not valid UTF-8
// pass through unchanged.
std::string lowerCaseText(std::string_view text);
std::string upperCaseText(std::string_view text);
// The first character in upper case, the rest in lower case.
std::string titleCaseText(std::string_view text);

}  // namespace tessaro
