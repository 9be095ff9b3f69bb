#pragma once

#include <string>

namespace tessaro {

// Text of a package in UTF-8: valid UTF-8 stays as it is; anything else is
// read as Latin-1, the 8-bit code page packages made elsewhere tend to use.
std::string utf8FromPackageText(const std::string& text);

}  // namespace tessaro
